#include <cstdio>

#include <QApplication>

#include "app/app_folders.h"
#include "gui_app.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Skitally"));

    const skitally::GuiArguments args = skitally::ParseGuiArguments(QCoreApplication::arguments());
    if (!args.error.empty()) {
        std::fprintf(stderr, "skitally: %s\nusage: skitally [--data-dir DIR] [RACE]\n", args.error.c_str());
        return 2;
    }
    const std::string programFolder = QCoreApplication::applicationDirPath().toStdString();
    skitally::GuiSession session(skitally::DefaultAppFolders(args.dataDir, programFolder));
    if (session.Start(args.raceArgument) == skitally::StartupOutcome::Ended)
        return 1;
    if (args.quitWhenShown && session.window())
        skitally::QuitOnFirstPaint(session.window());
    return app.exec();
}
