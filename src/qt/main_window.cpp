#include "main_window.h"

#include "app/heartbeat.h"
#include "app/messages.h"
#include "court_view.h"
#include "key_codes.h"
#include "qtgui/picture_loader.h"
#include "scene/twips.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace gloob {

namespace {

// The items that show a check mark. Which one of a group is checked is the
// game's business, so these are plain checkable actions, not an exclusive
// group that Qt would keep on its own (and draw with radio dots).
constexpr std::array checkableItems{numberOfBallsGroup[0], numberOfBallsGroup[1],
                                    numberOfBallsGroup[2], backroundGroup[0],
                                    backroundGroup[1],     backroundGroup[2]};

bool opensSubmenu(MenuId item) {
    return std::any_of(menuTree.begin(), menuTree.end(),
                       [&](const MenuEntry& entry) { return entry.parent == item; });
}

QString qstring(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

float twips(int pixels) {
    return static_cast<float>(pixels * twipsPerPixel);
}

// Where the keyboard went when a widget of the window lost it: to another
// window, to an open menu, or to nowhere.
bool keyboardLeftWindow(const QFocusEvent& event, const QWidget* window) {
    if (event.reason() == Qt::ActiveWindowFocusReason || event.reason() == Qt::PopupFocusReason) {
        return true;
    }
    const QWidget* next = QApplication::focusWidget();
    return next == nullptr || next->window() != window;
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), pictures_(loadPictures()), frm_(*this, text_, pictures_),
      filter_([this](const KeyEvent& key) {
          if (key.down) {
              frm_.Form_KeyDown(key.keyCode, key.shift);
          } else {
              frm_.Form_KeyUp(key.keyCode, key.shift);
          }
      }),
      messageBox_([this](const QString& title, const QString& text) {
          QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, this);
          box.exec();
      }),
      programEnd_([] {
          std::cout.flush();
          std::cerr.flush();
          std::fflush(nullptr);
          std::_Exit(0);
      }) {
    setWindowTitle(QString::fromStdString(frm_.scene.Caption));
    setWindowIcon(QIcon(QStringLiteral(":/assets/gloob.png")));
    buildMenus();

    court_ = new CourtView(frm_.scene, frm_.compositor(), this);
    court_->onPainted = [this] { timing_.framePainted(); };
    setCentralWidget(court_);
    play_ = makeButton(frm_.scene.cmdPlay, &FrmGloob::cmdPlay_Click);
    exit_ = makeButton(frm_.scene.cmdExit, &FrmGloob::cmdExit_Click);
    setTabOrder(play_, exit_);
    setTabOrder(exit_, court_);
    play_->setFocus();

    // The window is exactly the court plus the menu bar. Laid out now, so
    // that the load handler can centre a window of its real size.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    run([this] { frm_.Form_Load(); });

    qApp->installEventFilter(this);
    heartbeat_.setSingleShot(true);
    heartbeat_.setTimerType(Qt::PreciseTimer);
    connect(&heartbeat_, &QTimer::timeout, this, [this] { beat(); });
    armHeartbeat();
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    heartbeat_.stop();
}

void MainWindow::buildMenus() {
    std::array<QMenu*, menuItemCount> menus{};
    for (const MenuEntry& entry : menuTree) {
        const QString caption = QString::fromStdString(frm_.scene.menu(entry.id).Caption);
        QMenu* parentMenu = entry.parent ? menus[static_cast<std::size_t>(*entry.parent)] : nullptr;
        if (opensSubmenu(entry.id)) {
            QMenu* menu = parentMenu ? parentMenu->addMenu(caption) : menuBar()->addMenu(caption);
            menus[static_cast<std::size_t>(entry.id)] = menu;
            actions_[static_cast<std::size_t>(entry.id)] = menu->menuAction();
            continue;
        }
        QAction* action =
            parentMenu ? parentMenu->addAction(caption) : menuBar()->addAction(caption);
        actions_[static_cast<std::size_t>(entry.id)] = action;
        if (std::find(checkableItems.begin(), checkableItems.end(), entry.id) !=
            checkableItems.end()) {
            action->setCheckable(true);
            action->setChecked(frm_.scene.menu(entry.id).Checked);
        }
        // Qt has already flipped a checkable action by now; the refresh after
        // the handler puts back what the game decided.
        connect(action, &QAction::triggered, this, [this, item = entry.id] {
            run([&] {
                filter_.flush();
                frm_.menuClick(item);
            });
        });
    }
}

QPushButton* MainWindow::makeButton(const PushButton& control, void (FrmGloob::*click)()) {
    auto* button = new QPushButton(QString::fromStdString(control.Caption), court_);
    const PixelBox box = control.pixelBox();
    button->setGeometry(box.x0, box.y0, box.width(), box.height());
    // Enter clicks the focused button, as Space does.
    button->setAutoDefault(true);
    button->setVisible(control.Visible);
    connect(button, &QPushButton::clicked, this, [this, click] {
        run([&] {
            filter_.flush();
            (frm_.*click)();
        });
    });
    return button;
}

template <typename Handler> void MainWindow::run(Handler&& handler) {
    try {
        handler();
    } catch (const ProgramEnded&) {
        // The game has ended: nothing of the interrupted handler may go on.
    }
    refresh(false);
}

void MainWindow::refresh(bool paintNow) {
    const Scene& scene = frm_.scene;
    for (const auto& [button, control] :
         {std::pair{play_, &scene.cmdPlay}, {exit_, &scene.cmdExit}}) {
        if (button->isHidden() == control->Visible) {
            button->setVisible(control->Visible);
        }
    }
    for (MenuId item : checkableItems) {
        QAction* action = menuAction(item);
        if (action->isChecked() != scene.menu(item).Checked) {
            action->setChecked(scene.menu(item).Checked);
        }
    }
    if (court_->stale()) {
        if (paintNow) {
            court_->repaint();
        } else {
            court_->update();
        }
    }
}

void MainWindow::beat() {
    timing_.heartbeat(clock_.nowMicros());
    run([this] {
        filter_.flush();
        frm_.heartbeat();
    });
    armHeartbeat();
}

// Always the next heartbeat after now: a late beat drops the ones it missed
// instead of firing to catch up.
void MainWindow::armHeartbeat() {
    const std::int64_t now = clock_.nowMicros();
    const std::int64_t wait = heartbeatAfter(now) - now;
    // Rounded up: a beat that came early would find nothing due.
    heartbeat_.start(static_cast<int>((wait + 999) / 1000));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        // A key event enters the window once, at its QWindow; past that Qt
        // hands an ignored key to every parent of the focused widget in turn.
        if (watched == windowHandle() && QApplication::activePopupWidget() == nullptr &&
            QApplication::activeModalWidget() == nullptr) {
            return routeKey(*static_cast<QKeyEvent*>(event));
        }
        break;
    case QEvent::FocusOut:
        if (watched != this && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == this &&
            keyboardLeftWindow(*static_cast<QFocusEvent*>(event), this)) {
            keyboardLost();
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::routeKey(const QKeyEvent& key) {
    const std::int16_t code = virtualKeyOf(key.key());
    const std::int16_t shift = shiftStateOf(key.modifiers());
    run([&] {
        if (key.type() == QEvent::KeyPress) {
            filter_.press(code, shift);
        } else {
            filter_.release(code, shift, key.isAutoRepeat());
        }
    });
    return isPlayerKey(code);
}

// Held keys will never report their release now: stop both players.
void MainWindow::keyboardLost() {
    run([this] {
        filter_.flush();
        frm_.Form_LostFocus();
    });
}

bool MainWindow::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::WindowDeactivate:
        keyboardLost();
        break;
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
        recentreOnceFramed();
        break;
    default:
        break;
    }
    return QMainWindow::event(event);
}

// The load handler centred the window before it had a frame; once the window
// manager has framed it, centre it again by its real outer size.
void MainWindow::recentreOnceFramed() {
    if (recentred_ || !isVisible()) {
        return;
    }
    recentred_ = windowHandle() != nullptr && !windowHandle()->frameMargins().isNull();
    const QSize used = centredFrameSize_;
    const TwipRect frame = windowOuterFrame();
    if (frame.width != twips(used.width()) || frame.height != twips(used.height())) {
        frm_.centreOnScreen();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    run([this] {
        filter_.flush();
        frm_.Form_Close();
    });
    event->accept();
}

void MainWindow::deliverPendingInput() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    filter_.flush();
    refresh(true);
}

void MainWindow::showMessage(std::string_view text) {
    messageBox_(qstring(messages::title), qstring(text));
}

TwipRect MainWindow::availableScreen() {
    const QScreen* shownOn = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    const QRect area = shownOn->availableGeometry();
    return {twips(area.x()), twips(area.y()), twips(area.width()), twips(area.height())};
}

// Before the window manager has framed the window its margins are zero, and
// this is the bare window.
TwipRect MainWindow::windowOuterFrame() {
    QMargins margins;
    if (const QWindow* handle = windowHandle()) {
        margins = handle->frameMargins();
    }
    const QRect frame = geometry().marginsAdded(margins);
    centredFrameSize_ = frame.size();
    return {twips(frame.x()), twips(frame.y()), twips(frame.width()), twips(frame.height())};
}

void MainWindow::moveWindow(float leftTwips, float topTwips) {
    // Qt places a top-level window by its frame, as the game means it.
    move(static_cast<int>(std::lround(leftTwips / twipsPerPixel)),
         static_cast<int>(std::lround(topTwips / twipsPerPixel)));
}

void MainWindow::endProgram() {
    programEnd_();
}

} // namespace gloob
