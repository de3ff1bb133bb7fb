#pragma once
// The desktop program's start and end, shared by main() and the tests:
// arguments, the context, the operator, start-up and the main window.

#include <memory>
#include <optional>
#include <string>

#include <QStringList>

#include "app/app_context.h"
#include "main_window.h"
#include "menu/startup.h"
#include "qt_operator.h"
#include "qt_translation.h"

namespace skitally {

struct GuiArguments {
    std::string dataDir;                     // --data-dir: every file of the user in one folder
    std::optional<std::string> raceArgument; // a race file, with or without extension
    std::string error;                       // why the arguments cannot be used; empty when they can
    // --quit-when-shown, not in the usage text: ends the program once its
    // main window has painted, so the start-up benchmark can time a cold
    // start to the first picture without anyone closing the window.
    bool quitWhenShown = false;
};

// `arguments` as QCoreApplication::arguments() gives them, program first.
GuiArguments ParseGuiArguments(const QStringList& arguments);

// Ends the event loop once `window` has painted for the first time.
void QuitOnFirstPaint(QWidget* window);

class GuiSession {
public:
    explicit GuiSession(AppFolders folders);
    // Closes the race and the debug log once start-up has run.
    ~GuiSession();
    GuiSession(const GuiSession&) = delete;
    GuiSession& operator=(const GuiSession&) = delete;

    // Runs start-up; the main window is shown in its course. Ended means the
    // operator chose to stop before the program got going.
    StartupOutcome Start(const std::optional<std::string>& raceArgument = std::nullopt);

    AppContext& context() { return ctx_; }
    QtOperator& op() { return op_; }
    MainWindow* window() const { return window_.get(); }
    const QtTranslation& translation() const { return translation_; }

private:
    AppContext ctx_;
    QtOperator op_;
    QtTranslation translation_;
    std::unique_ptr<MainWindow> window_;
    bool started_ = false;
};

}  // namespace skitally
