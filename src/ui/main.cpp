#include "acquire/FeedJvLink.h"
#include "app/ProgramHome.h"
#include "app/Registry.h"
#include "app/Session.h"
#include "app/Startup.h"
#include "jvdata/Clock.h"
#include "jvdata/Error.h"
#include "ui/QtText.h"
#include "ui/QtUserPort.h"
#include "ui/TMainForm.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTimer>

#include <cstdlib>
#include <cstring>
#include <iostream>

namespace {

std::optional<std::filesystem::path> pathOption(const QCommandLineParser& parser, const QString& name) {
    if (!parser.isSet(name)) return std::nullopt;
    return std::filesystem::path(parser.value(name).toStdString());
}

bool wantsScreenshot(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--screenshot", 12) == 0) return true;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    // A screenshot, or a machine without a display, renders without a window system.
    const bool noDisplay = !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY");
    if ((wantsScreenshot(argc, argv) || noDisplay) && !std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);

    QApplication application(argc, argv);
    QApplication::setApplicationName("zefa");
    QApplication::setApplicationDisplayName(zefa::qtText(zefa::kApplicationTitle));

    QCommandLineParser parser;
    parser.setApplicationDescription(zefa::qtText(zefa::kApplicationTitle));
    parser.addHelpOption();
    parser.addOption({"home", "The program folder (default: $ZEFA_HOME, else the program's folder).", "DIR"});
    parser.addOption({"feed", "The JV-Data feed folder (default: $ZEFA_FEED, else feed in the program folder).", "DIR"});
    parser.addOption({"screenshot", "Render the main window into FILE (PNG) and close it.", "FILE"});
    parser.addOption({"day", "Load this day first (a day selector entry such as 2024年01月06日, or \"newest\").", "DAY"});
    parser.addOption({"race", "Show this race slot (0..35) of the loaded day.", "SLOT"});
    parser.addOption({"admin", "Offer the administrators' menu (fixing the axis and partner choice)."});
    parser.process(application);

    const auto home = zefa::resolveProgramFolder(pathOption(parser, "home"));
    const auto feed = zefa::resolveFeedFolder(pathOption(parser, "feed"), home);
    const zefa::SystemClock clock;
    const zefa::FileRegistry registry(zefa::FileRegistry::defaultFile());
    zefa::QtUserPort port;

    auto jvLink = zefa::createJvLinkOrExplain([&] { return std::make_unique<zefa::FeedJvLink>(feed, clock); }, port);
    if (!jvLink) return EXIT_FAILURE;

    std::error_code ignored;
    std::filesystem::create_directories(home, ignored);
    zefa::Session session(zefa::ProgramFolder(home), *jvLink, port, clock, registry);
    std::unique_ptr<zefa::TMainForm> window;
    try {
        window = std::make_unique<zefa::TMainForm>(session);
    } catch (const zefa::Error& e) {
        QMessageBox::critical(nullptr, zefa::qtText(zefa::kApplicationTitle), zefa::qtText(e.what()));
        return EXIT_FAILURE;
    }
    port.attach(window.get(), [&](const std::string& text) { window->showStatus(text); });
    if (parser.isSet("admin")) window->offerAdminMenu();
    window->show();
    if (parser.isSet("day")) {
        const QString day = parser.value("day") == "newest" && !session.dayList.empty() ? zefa::qtText(session.dayList.front())
                                                                                       : parser.value("day");
        if (!window->chooseDay(day)) std::cerr << "No stored day " << day.toStdString() << std::endl;
        if (parser.isSet("race") && !window->chooseRace(parser.value("race").toInt()))
            std::cerr << "No race slot " << parser.value("race").toStdString() << std::endl;
    }

    if (parser.isSet("screenshot")) {
        const QString file = parser.value("screenshot");
        QTimer::singleShot(0, [&] {
            const bool saved = window->grab().save(file, "PNG");
            std::cout << (saved ? "Screenshot: " : "Could not write the screenshot: ") << file.toStdString() << std::endl;
            window->close();
            QApplication::exit(saved ? EXIT_SUCCESS : EXIT_FAILURE);
        });
    }
    return QApplication::exec();
}
