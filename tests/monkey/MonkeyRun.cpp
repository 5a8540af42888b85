#include "monkey/MonkeyRun.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDirIterator>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "forms/Unit4.h"
#include "main/Program.h"
#include "support/widget/ProgramTestSupport.h"
#include "toolkit/window/Image.h"

struct TMonkeyRun::TTarget {
  QWidget* Window = nullptr;
  QPoint At;  // in the window's coordinates
  QString Name;
};

namespace {

// What the folder and the input can make the program say: the readers'
// messages for the bad files, a double click on an empty list, a JPEG
// chosen as the letters' picture, a spin edit holding no number.
const QRegularExpression kExpectedErrors(QStringLiteral(
    "^(Bitmap image is not valid|JPEG error #\\d+|PNG image is not valid|HEIF image is not (valid|supported)"
    "|WebP image is not valid|Unknown picture file extension \\(\\.[^)]*\\)|Cannot open file .*"
    "|'[^']*' is not a valid integer value)$"));
const QRegularExpression kSavedName(QStringLiteral("^(sub/)?[1-9][0-9]*\\.(bmp|jpg|png)$"));

QString NameOf(const QObject* object) {
  if (object == Form1) return QStringLiteral("Form1");
  if (object == Form2) return QStringLiteral("Form2");
  if (object == Form4) return QStringLiteral("Form4");
  return object->objectName().isEmpty() ? QString::fromLatin1(object->metaObject()->className()) : object->objectName();
}

// The program's visible windows, popups first, in an order that does not
// depend on where they lie in memory.
std::vector<QWidget*> VisibleWindows() {
  std::vector<QWidget*> windows;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->isVisible() && window->windowType() != Qt::ToolTip && window->windowHandle()) windows.push_back(window);
  const auto key = [](const QWidget* w) {
    return std::make_tuple(w->windowType() != Qt::Popup, NameOf(w), w->geometry().x(), w->geometry().y());
  };
  std::sort(windows.begin(), windows.end(), [&](QWidget* a, QWidget* b) { return key(a) < key(b); });
  return windows;
}

// Widgets that take input count four times as much as the rest, the
// items of lists (the browser's files) twice as much again.
int32_t Weight(const QWidget* widget) {
  if (qobject_cast<const QAbstractItemView*>(widget->parentWidget())) return 8;
  const bool active = widget->inherits("QAbstractButton") || widget->inherits("QComboBox") ||
                      widget->inherits("QAbstractSpinBox") || widget->inherits("QTabBar") ||
                      widget->inherits("QPlainTextEdit") || widget == Form2->Client;
  return active ? 4 : 1;
}

}  // namespace

TMonkeyRun::TMonkeyRun(uint32_t seed, int32_t events)
    : seed_(seed),
      events_(events),
      random_(seed),
      dialogs_(random_, {world_.Root() + "/wide.bmp", world_.Root() + "/tall.jpg", world_.Root() + "/corrupt.jpg"}),
      override_(dialogs_),
      clock_([tick = uint32_t{0}]() mutable { return tick += 10; }) {}

TMonkeyRun::~TMonkeyRun() = default;

QString TMonkeyRun::Run() {
  Start();
  watchdog_ = std::make_unique<TMonkeyWatchdog>();
  while (given_ < events_ && failure_.isEmpty()) {
    ++outerInputs_;
    QTimer::singleShot(0, &timers_, [this] { NestedInput(); });
    Step();
    --outerInputs_;
    if (ended_ && failure_.isEmpty()) {
      Note(QStringLiteral("(the program ended and starts again)"));
      windows_.reset();
      Start();
      watchdog_->Beat();
    }
  }
  return failure_;
}

void TMonkeyRun::Step() {
  ++given_;
  stepLoopLevels_.push_back(QThread::currentThread()->loopLevel());
  Input();
  stepLoopLevels_.pop_back();
  watchdog_->Beat();
  if (!failure_.isEmpty()) return;
  if (const QString broken = Check(); !broken.isEmpty()) failure_ = Report(broken);
}

void TMonkeyRun::NestedInput() {
  if (outerInputs_ == 0) return;
  QTimer::singleShot(0, &timers_, [this] { NestedInput(); });
  // An input that opened an event loop of its own (a context menu) waits
  // for the next: a person goes on acting in it, and at the end closes it.
  if (stepLoopLevels_.empty() || QThread::currentThread()->loopLevel() <= stepLoopLevels_.back()) return;
  if (given_ < events_ && failure_.isEmpty()) {
    Step();
  } else if (QWidget* popup = QApplication::activePopupWidget()) {
    popup->close();
  } else if (QWidget* modal = QApplication::activeModalWidget()) {
    modal->close();
  }
}

void TMonkeyRun::Start() {
  windows_ = world_.MakeWindows(Application());
  ended_ = false;
  Form4->OnClose = [this] { ended_ = true; };
  Form4->show();
  QCoreApplication::processEvents();
  files_ = Files();
}

void TMonkeyRun::Input() {
  if (VisibleWindows().empty()) return;
  const uint32_t kind = random_() % 100;
  if (kind < 28) {
    Click(PickTarget(), Qt::LeftButton, false);
  } else if (kind < 38) {
    Click(PickTarget(), Qt::LeftButton, true);
  } else if (kind < 46) {
    Click(PickTarget(), Qt::RightButton, false);
  } else if (kind < 58) {
    Drag(PickTarget());
  } else if (kind < 62) {
    Wheel(PickTarget());
  } else if (kind < 99 || random_() % 2) {
    Key();
  } else {
    Close();
  }
}

TMonkeyRun::TTarget TMonkeyRun::PickTarget() {
  const std::vector<QWidget*> windows = VisibleWindows();
  const bool popup = windows.front()->windowType() == Qt::Popup && random_() % 4 != 0;
  QWidget* window = popup ? windows.front() : windows[random_() % windows.size()];
  if (auto* menu = qobject_cast<QMenu*>(window)) {
    QList<QAction*> actions = menu->actions();
    actions.removeIf([](QAction* action) { return action->isSeparator(); });
    QAction* action = actions[static_cast<qsizetype>(random_() % actions.size())];
    return {window, menu->actionGeometry(action).center(), NameOf(window) + "/" + action->text()};
  }
  // What shows of the window: scroll areas keep parts of theirs outside.
  std::vector<QWidget*> widgets{window};
  for (QWidget* child : window->findChildren<QWidget*>())
    if (child->isVisible() && QRect(child->mapTo(window, QPoint()), child->size()).intersects(window->rect()))
      widgets.push_back(child);
  int32_t total = 0;
  for (QWidget* widget : widgets) total += Weight(widget);
  int32_t pick = static_cast<int32_t>(random_() % static_cast<uint32_t>(total));
  QWidget* widget = widgets.front();
  for (QWidget* candidate : widgets)
    if ((pick -= Weight(candidate)) < 0) {
      widget = candidate;
      break;
    }
  QRect area = widget->rect();
  if (auto* view = qobject_cast<QAbstractItemView*>(widget->parentWidget()); view && view->model()) {
    // An item of a list, at one of its rows.
    const int rows = view->model()->rowCount(view->rootIndex());
    if (rows > 0) area = view->visualRect(view->model()->index(static_cast<int>(random_() % rows), 0, view->rootIndex()));
  } else if (widget == Form2->Client && Form2->L1.Visible() && random_() % 2 == 0) {
    const TRect label = Form2->L1.BoundsRect();
    area = QRect(label.Left, label.Top, label.Width(), label.Height());
  }
  const QRect shown = widget->rect().intersected(QRect(widget->mapFrom(window, QPoint()), window->size()));
  area = area.intersected(shown);
  if (area.isEmpty()) area = shown;
  if (area.isEmpty()) return {window, QPoint(), NameOf(window)};
  const QPoint at(area.left() + static_cast<int>(random_() % area.width()),
                  area.top() + static_cast<int>(random_() % area.height()));
  return {window, widget->mapTo(window, at), NameOf(window) + "/" + NameOf(widget)};
}

void TMonkeyRun::Click(const TTarget& target, Qt::MouseButton button, bool twice) {
  Note(QStringLiteral("%1 %2 %3 (%4,%5)")
           .arg(twice ? "double-click" : "click", button == Qt::LeftButton ? "left" : "right", target.Name)
           .arg(target.At.x())
           .arg(target.At.y()));
  PostInputsIntoThePause(target);
  QWindow* window = target.Window->windowHandle();
  if (twice)
    QTest::mouseDClick(window, button, Qt::NoModifier, target.At);
  else
    QTest::mouseClick(window, button, Qt::NoModifier, target.At);
}

void TMonkeyRun::Drag(const TTarget& from) {
  // The pressed window keeps the mouse until the release, wherever the
  // pointer goes: over another window or off every window.
  const int32_t moves = 1 + static_cast<int32_t>(random_() % 8);
  std::vector<QPoint> path;
  for (int32_t move = 0; move < moves; ++move) {
    const TTarget over = PickTarget();
    const QPoint global = random_() % 8 == 0 ? QPoint(-400, 3000) : over.Window->mapToGlobal(over.At);
    path.push_back(from.Window->mapFromGlobal(global));
  }
  Note(QStringLiteral("drag %1 (%2,%3) to (%4,%5) in %6 moves")
           .arg(from.Name)
           .arg(from.At.x())
           .arg(from.At.y())
           .arg(path.back().x())
           .arg(path.back().y())
           .arg(moves));
  QWindow* window = from.Window->windowHandle();
  QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, from.At);
  for (const QPoint& point : path)
    if (window->isVisible()) QTest::mouseMove(window, point);
  if (window->isVisible()) QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, path.back());
}

void TMonkeyRun::Wheel(const TTarget& target) {
  QWidget* widget = target.Window->childAt(target.At);
  if (!widget) widget = target.Window;
  const int32_t delta = random_() % 2 ? 120 : -120;
  Note(QStringLiteral("wheel %1 on %2").arg(delta).arg(NameOf(widget)));
  const QPoint local = widget->mapFrom(target.Window, target.At);
  QWheelEvent wheel(local, widget->mapToGlobal(local), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  SendSpontaneous(widget, wheel);
}

void TMonkeyRun::Key() {
  struct TKey {
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers;
    const char* Name;
  };
  static const TKey kKeys[] = {
      {Qt::Key_Up, {}, "Up"},           {Qt::Key_Down, {}, "Down"},     {Qt::Key_Left, {}, "Left"},
      {Qt::Key_Right, {}, "Right"},     {Qt::Key_Tab, {}, "Tab"},       {Qt::Key_Return, {}, "Return"},
      {Qt::Key_Escape, {}, "Escape"},   {Qt::Key_Delete, {}, "Delete"}, {Qt::Key_Asterisk, {}, "*"},
      {Qt::Key_Asterisk, Qt::KeypadModifier, "keypad *"},               {Qt::Key_Plus, {}, "+"},
      {Qt::Key_Minus, {}, "-"},         {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
      {Qt::Key_Space, {}, "Space"},     {Qt::Key_Backspace, {}, "Backspace"}};
  const std::vector<QWidget*> windows = VisibleWindows();
  QWidget* window = QApplication::activeWindow() && random_() % 4 != 0 ? QApplication::activeWindow()
                                                                           : windows[random_() % windows.size()];
  const uint32_t choice = random_() % 40;
  QWindow* handle = window->windowHandle();
  if (!handle) return;
  if (choice < 15) {
    const char letter = static_cast<char>((choice < 8 ? 'a' : '0') + random_() % (choice < 8 ? 26 : 10));
    Note(QStringLiteral("key %1 to %2").arg(QChar(letter)).arg(NameOf(window)));
    QTest::keyClick(handle, letter);
    return;
  }
  const TKey& key = kKeys[(choice - 15) % std::size(kKeys)];
  Note(QStringLiteral("key %1 to %2").arg(key.Name, NameOf(window)));
  QTest::keyClick(handle, key.Key, key.Modifiers);
}

void TMonkeyRun::Close() {
  std::vector<QWidget*> windows = VisibleWindows();
  windows.erase(std::remove_if(windows.begin(), windows.end(), [](QWidget* w) { return w->windowType() == Qt::Popup; }),
                windows.end());
  if (windows.empty()) return;
  QWidget* window = windows[random_() % windows.size()];
  Note(QStringLiteral("close request to %1").arg(NameOf(window)));
  QCloseEvent close;
  SendSpontaneous(window, close);
}

void TMonkeyRun::PostInputsIntoThePause(const TTarget& target) {
  // A save waits while it dispatches what arrives: inputs posted before
  // its menu item is chosen are handled inside that wait.
  auto* menu = qobject_cast<QMenu*>(target.Window);
  const QAction* action = menu ? menu->actionAt(target.At) : nullptr;
  if (!action || !action->text().startsWith(QLatin1Char('*'))) return;
  const uint32_t posted = 1 + random_() % 4;
  for (uint32_t i = 0; i < posted; ++i)
    QTimer::singleShot(0, &timers_, [this, i] {
      if (!windows_ || ended_) return;
      Note(QStringLiteral("(posted %1, inside the pause)").arg(i + 1));
      Input();
    });
}

QString TMonkeyRun::Check() {
  for (; errorsSeen_ < dialogs_.Errors.size(); ++errorsSeen_)
    if (!kExpectedErrors.match(dialogs_.Errors[errorsSeen_]).hasMatch())
      return QStringLiteral("an error no input explains: ") + dialogs_.Errors[errorsSeen_];
  if (!ended_ && Form4->isVisible() && Form2->isVisible())
    return QStringLiteral("the browser and the composition window are both visible");
  if (!ended_ && Form1->isVisible() && !Form2->isVisible())
    return QStringLiteral("the panel is visible without the composition window");
  return CheckFiles();
}

QStringList TMonkeyRun::Files() const {
  QStringList files;
  QDirIterator entries(world_.Root(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
  while (entries.hasNext()) files << QDir(world_.Root()).relativeFilePath(entries.next());
  files.sort();
  return files;
}

QString TMonkeyRun::CheckFiles() {
  const QStringList now = Files();
  for (const QString& gone : files_)
    if (!now.contains(gone)) return QStringLiteral("a file went away: ") + gone;
  for (const QString& name : now) {
    if (files_.contains(name)) continue;
    if (!kSavedName.match(name).hasMatch()) return QStringLiteral("a file no save names so: ") + name;
    const QString path = world_.Root() + QLatin1Char('/') + name;
    TImage saved;
    try {
      saved.LoadFromFile(path);
    } catch (const Exception& error) {
      return QStringLiteral("a saved file our readers refuse: %1: %2").arg(name, error.Message());
    }
    if (saved.Width() != Form2->Image1.Width() || saved.Height() != Form2->Image1.Height())
      return QStringLiteral("a saved file not of the background's size: ") + name;
    const QFileInfo file(path);
    bool listed = false;
    for (const TRzFileInfo& item : Form4->RzFileListBox1->Items()) listed = listed || item.Name == file.fileName();
    if (QFileInfo(Form4->RzFileListBox1->Folder()).canonicalFilePath() == file.canonicalPath() && !listed)
      return QStringLiteral("the file list does not hold the saved file: ") + name;
  }
  files_ = now;
  return {};
}

void TMonkeyRun::Note(const QString& input) {
  inputs_ << QStringLiteral("%1: %2").arg(inputs_.size() + 1).arg(input);
  if (watchdog_) watchdog_->SetReport(Report(QStringLiteral("the event loop stopped answering")).toStdString());
}

QString TMonkeyRun::Report(const QString& broken) const {
  return QStringLiteral("monkey: seed %1, %2 inputs: %3\nthe last inputs:\n  %4")
      .arg(seed_)
      .arg(inputs_.size())
      .arg(broken, inputs_.mid(std::max<qsizetype>(inputs_.size() - 20, 0)).join(QStringLiteral("\n  ")));
}
