#pragma once

#include "app/auto_repeat_filter.h"
#include "app/clock.h"
#include "app/frm_gloob.h"
#include "app/host.h"
#include "qtgui/qt_text_rasteriser.h"
#include "scene/raster.h"
#include "scene/scene.h"
#include "timing_report.h"

#include <QMainWindow>
#include <QSize>
#include <QString>
#include <QTimer>

#include <array>
#include <functional>

class QAction;
class QKeyEvent;
class QPushButton;

namespace gloob {

class CourtView;

// The game's window on the desktop. It shows what the game holds and hands
// every event to the game's handlers; the game decides everything else.
class MainWindow final : public QMainWindow, public Host {
public:
    // Shows a modal message box and returns once it is closed.
    using MessageBox = std::function<void(const QString& title, const QString& text)>;
    // Ends the program; the real one never returns.
    using ProgramEnd = std::function<void()>;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    FrmGloob& game() { return frm_; }
    CourtView* court() const { return court_; }
    QPushButton* playButton() const { return play_; }
    QPushButton* exitButton() const { return exit_; }
    QAction* menuAction(MenuId item) const { return actions_[static_cast<std::size_t>(item)]; }

    // Tests replace these: a real modal box would wait for a person forever,
    // and a real end would take the test program with it.
    void setMessageBox(MessageBox messageBox) { messageBox_ = std::move(messageBox); }
    void setProgramEnd(ProgramEnd programEnd) { programEnd_ = std::move(programEnd); }

    // One beat of the game's clock: what the heartbeat timer runs.
    void beat();

    Clock& clock() override { return clock_; }
    void deliverPendingInput() override;
    void showMessage(std::string_view text) override;
    TwipRect availableScreen() override;
    TwipRect windowOuterFrame() override;
    void moveWindow(float leftTwips, float topTwips) override;
    void endProgram() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QPushButton* makeButton(const PushButton& control, void (FrmGloob::*click)());
    bool routeKey(const QKeyEvent& key);
    void keyboardLost();
    void recentreOnceFramed();
    void armHeartbeat();
    // Runs a handler of the game, then shows what it changed.
    template <typename Handler> void run(Handler&& handler);
    void refresh(bool paintNow);

    SteadyClock clock_;
    TimingReport timing_;
    Pictures pictures_;
    QtTextRasteriser text_;
    FrmGloob frm_;
    AutoRepeatFilter filter_;
    CourtView* court_ = nullptr;
    QPushButton* play_ = nullptr;
    QPushButton* exit_ = nullptr;
    std::array<QAction*, menuItemCount> actions_{};
    QTimer heartbeat_;
    MessageBox messageBox_;
    ProgramEnd programEnd_;
    QSize centredFrameSize_;
    bool recentred_ = false;
};

} // namespace gloob
