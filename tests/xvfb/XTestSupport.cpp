#include "xvfb/XTestSupport.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

#include "pictures/Jpeg.h"

namespace {

xcb_connection_t* Connection() {
  return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

template <typename T>
using TReply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t Atom(const char* name) {
  TReply<xcb_intern_atom_reply_t> reply(
      xcb_intern_atom_reply(Connection(), xcb_intern_atom(Connection(), 0, strlen(name), name), nullptr), &std::free);
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

QString AtomName(xcb_atom_t atom) {
  TReply<xcb_get_atom_name_reply_t> reply(xcb_get_atom_name_reply(Connection(), xcb_get_atom_name(Connection(), atom), nullptr),
                                          &std::free);
  if (!reply) return QString();
  return QString::fromLatin1(xcb_get_atom_name_name(reply.get()), xcb_get_atom_name_name_length(reply.get()));
}

TReply<xcb_get_property_reply_t> Property(QWidget* window, const char* name, xcb_atom_t type) {
  return TReply<xcb_get_property_reply_t>(
      xcb_get_property_reply(Connection(),
                             xcb_get_property(Connection(), 0, static_cast<xcb_window_t>(window->winId()), Atom(name),
                                              type, 0, 1024),
                             nullptr),
      &std::free);
}

}  // namespace

bool IsMapped(QWidget* window) {
  TReply<xcb_get_window_attributes_reply_t> reply(
      xcb_get_window_attributes_reply(
          Connection(), xcb_get_window_attributes(Connection(), static_cast<xcb_window_t>(window->winId())), nullptr),
      &std::free);
  return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

QRect ScreenGeometry(QWidget* window) {
  const auto id = static_cast<xcb_window_t>(window->winId());
  TReply<xcb_get_geometry_reply_t> geometry(xcb_get_geometry_reply(Connection(), xcb_get_geometry(Connection(), id), nullptr),
                                            &std::free);
  if (!geometry) return {};
  TReply<xcb_translate_coordinates_reply_t> place(
      xcb_translate_coordinates_reply(Connection(), xcb_translate_coordinates(Connection(), id, geometry->root, 0, 0),
                                      nullptr),
      &std::free);
  if (!place) return {};
  return QRect(place->dst_x, place->dst_y, geometry->width, geometry->height);
}

QStringList AtomList(QWidget* window, const char* property) {
  QStringList names;
  const auto reply = Property(window, property, XCB_ATOM_ATOM);
  if (!reply) return names;
  const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
  const int count = xcb_get_property_value_length(reply.get()) / static_cast<int>(sizeof(xcb_atom_t));
  for (int i = 0; i < count; ++i) names << AtomName(atoms[i]);
  return names;
}

QString ServerTitle(QWidget* window) {
  const auto reply = Property(window, "_NET_WM_NAME", Atom("UTF8_STRING"));
  if (!reply) return QString();
  return QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply.get())),
                           xcb_get_property_value_length(reply.get()));
}

namespace {

// Field Index of _MOTIF_WM_HINTS (flags, functions, decorations, input
// mode, status) when bit Index - 1 of the flags says it is given.
int64_t MotifHint(QWidget* window, int index) {
  const auto reply = Property(window, "_MOTIF_WM_HINTS", XCB_ATOM_ANY);
  if (!reply || xcb_get_property_value_length(reply.get()) < (index + 1) * 4) return -1;
  const auto* hints = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
  return (hints[0] & (1u << (index - 1))) ? hints[index] : -1;
}

}  // namespace

int64_t MotifDecorations(QWidget* window) { return MotifHint(window, 2); }

int64_t MotifFunctions(QWidget* window) { return MotifHint(window, 1); }

void Settle() {
  for (int i = 0; i < 5; ++i) {
    free(xcb_get_input_focus_reply(Connection(), xcb_get_input_focus(Connection()), nullptr));
    QTest::qWait(20);
  }
}

QImage ScreenShot() { return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32); }

void KeepScreenShot(const QImage& image, const QString& name) {
  const QByteArray folder = qgetenv("VELLUMO_SCREENSHOTS");
  if (folder.isEmpty()) return;
  image.save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + name + QStringLiteral(".png"));
}

QString WriteMeadow(const QString& path) {
  TJPEGImage meadow;
  meadow.LoadFromFile(QStringLiteral(VELLUMO_SOURCE_DIR "/samples/meadow.jpg"));
  TBitmap picture(800, 600);
  meadow.Draw(picture.Canvas(), Rect(0, 0, 800, 600));
  TJPEGImage jpeg;
  jpeg.Assign(picture);
  if (path.endsWith(QStringLiteral(".jpg"))) jpeg.SaveToFile(path);
  else picture.SaveToFile(path);
  return path;
}
