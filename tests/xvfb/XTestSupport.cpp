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

xcb_window_t Id(QWidget* window) { return static_cast<xcb_window_t>(window->winId()); }

// Owns a reply of the X server, which xcb allocates with malloc.
template <typename T>
std::unique_ptr<T, decltype(&std::free)> Reply(T* reply) {
  return {reply, &std::free};
}

xcb_atom_t Atom(const char* name) {
  const auto reply = Reply(xcb_intern_atom_reply(Connection(), xcb_intern_atom(Connection(), 0, strlen(name), name), nullptr));
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

QString AtomName(xcb_atom_t atom) {
  const auto reply = Reply(xcb_get_atom_name_reply(Connection(), xcb_get_atom_name(Connection(), atom), nullptr));
  return reply ? QString::fromLatin1(xcb_get_atom_name_name(reply.get()), xcb_get_atom_name_name_length(reply.get()))
               : QString();
}

// The property's value as bytes; empty when the window has none.
QByteArray Property(QWidget* window, const char* name, xcb_atom_t type) {
  const auto reply = Reply(xcb_get_property_reply(
      Connection(), xcb_get_property(Connection(), 0, Id(window), Atom(name), type, 0, 1024), nullptr));
  if (!reply) return {};
  return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                    xcb_get_property_value_length(reply.get()));
}

// Field Index of _MOTIF_WM_HINTS (flags, functions, decorations, input
// mode, status) when bit Index - 1 of the flags says it is given.
int64_t MotifHint(QWidget* window, int index) {
  const QByteArray hints = Property(window, "_MOTIF_WM_HINTS", XCB_ATOM_ANY);
  if (hints.size() < (index + 1) * 4) return -1;
  const auto* fields = reinterpret_cast<const uint32_t*>(hints.constData());
  return (fields[0] & (1u << (index - 1))) ? fields[index] : -1;
}

}  // namespace

bool IsMapped(QWidget* window) {
  const auto reply =
      Reply(xcb_get_window_attributes_reply(Connection(), xcb_get_window_attributes(Connection(), Id(window)), nullptr));
  return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

QRect ScreenGeometry(QWidget* window) {
  const auto geometry = Reply(xcb_get_geometry_reply(Connection(), xcb_get_geometry(Connection(), Id(window)), nullptr));
  if (!geometry) return {};
  const auto place = Reply(xcb_translate_coordinates_reply(
      Connection(), xcb_translate_coordinates(Connection(), Id(window), geometry->root, 0, 0), nullptr));
  return place ? QRect(place->dst_x, place->dst_y, geometry->width, geometry->height) : QRect();
}

QRect FrameGeometry(QWidget* window) {
  xcb_window_t frame = Id(window);
  for (;;) {
    const auto tree = Reply(xcb_query_tree_reply(Connection(), xcb_query_tree(Connection(), frame), nullptr));
    if (!tree || tree->parent == tree->root) break;
    frame = tree->parent;
  }
  const auto geometry = Reply(xcb_get_geometry_reply(Connection(), xcb_get_geometry(Connection(), frame), nullptr));
  if (!geometry) return {};
  const int border = 2 * geometry->border_width;
  return QRect(geometry->x, geometry->y, geometry->width + border, geometry->height + border);
}

bool WindowManagerRuns() {
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(Connection())).data->root;
  const auto reply = Reply(xcb_get_property_reply(
      Connection(), xcb_get_property(Connection(), 0, root, Atom("_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 0, 1),
      nullptr));
  return reply && xcb_get_property_value_length(reply.get()) == 4;
}

QStringList AtomList(QWidget* window, const char* property) {
  const QByteArray value = Property(window, property, XCB_ATOM_ATOM);
  QStringList names;
  for (qsizetype at = 0; at + 4 <= value.size(); at += 4)
    names << AtomName(*reinterpret_cast<const xcb_atom_t*>(value.constData() + at));
  return names;
}

QString ServerTitle(QWidget* window) { return QString::fromUtf8(Property(window, "_NET_WM_NAME", Atom("UTF8_STRING"))); }

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
  if (!folder.isEmpty()) image.save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + name + QStringLiteral(".png"));
}

QString WriteMeadow(const QString& path, int32_t width, int32_t height) {
  TJPEGImage meadow;
  meadow.LoadFromFile(QStringLiteral(VELLUMO_SOURCE_DIR "/samples/meadow.jpg"));
  TBitmap picture(width, height);
  meadow.Draw(picture.Canvas(), Rect(0, 0, width, height));
  TJPEGImage jpeg;
  jpeg.Assign(picture);
  if (path.endsWith(QStringLiteral(".jpg"))) jpeg.SaveToFile(path);
  else picture.SaveToFile(path);
  return path;
}
