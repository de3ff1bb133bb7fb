#include "gui_app.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include "util/clock.h"

namespace skitally {

GuiArguments ParseGuiArguments(const QStringList& arguments)
{
    GuiArguments parsed;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == QStringLiteral("--data-dir")) {
            if (i + 1 >= arguments.size()) {
                parsed.error = "--data-dir needs a folder";
                return parsed;
            }
            parsed.dataDir = FromQ(arguments[++i]);
        } else if (arg.startsWith(QStringLiteral("--data-dir="))) {
            parsed.dataDir = FromQ(arg.mid(11));
            if (parsed.dataDir.empty()) {
                parsed.error = "--data-dir needs a folder";
                return parsed;
            }
        } else if (arg == QStringLiteral("--quit-when-shown")) {
            parsed.quitWhenShown = true;
        } else if (arg.startsWith(QStringLiteral("--"))) {
            parsed.error = "unknown option " + FromQ(arg);
            return parsed;
        } else if (parsed.raceArgument) {
            parsed.error = "only one race file can be named";
            return parsed;
        } else {
            parsed.raceArgument = FromQ(arg);
        }
    }
    return parsed;
}

namespace {

class FirstPaintQuitter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // After this paint has reached the screen, not from inside it.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }
};

}  // namespace

void QuitOnFirstPaint(QWidget* window)
{
    window->installEventFilter(new FirstPaintQuitter(window));
}

GuiSession::GuiSession(AppFolders folders) : ctx_(std::move(folders), SystemClock()), op_(nullptr, &ctx_) {}

GuiSession::~GuiSession()
{
    window_.reset();
    if (started_)
        Shutdown(ctx_, op_);
}

StartupOutcome GuiSession::Start(const std::optional<std::string>& raceArgument)
{
    started_ = true;
    StartupOptions options;
    options.raceArgument = raceArgument;
    // The window is built only now: its captions depend on the language
    // start-up has just chosen.
    options.showMainWindow = [this] {
        translation_.Follow(ctx_.texts.language());
        window_ = std::make_unique<MainWindow>(ctx_, op_);
        // Preferences may change the language: Qt's dialogs follow it.
        QObject::connect(window_.get(), &MainWindow::refreshed, window_.get(),
                         [this] { translation_.Follow(ctx_.texts.language()); });
        op_.AttachTo(window_.get());
        window_->show();
    };
    const StartupOutcome outcome = Main(ctx_, op_, options);
    // The race named on the command line is opened after the window is up.
    if (window_)
        window_->Refresh();
    return outcome;
}

}  // namespace skitally
