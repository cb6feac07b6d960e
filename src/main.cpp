#include "Version.h"
#include "platform/ChildProcess.h"
#include "ui/Application.h"
#include "ui/MainWindow.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QIcon>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

void SetIdentity() {
    QCoreApplication::setApplicationName(QStringLiteral("Ranvik"));
    QCoreApplication::setApplicationVersion(QStringLiteral(RANVIK_VERSION));
}

// The command line's texts, in a translation context of their own.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

[[noreturn]] void Print(FILE* stream, const QString& text, int status) {
    std::fputs(qPrintable(text), stream);
    std::exit(status);
}

// Reads the command line under a plain QCoreApplication, so that --help, --version and a
// usage error answer without a display. Exits for those (2 for a usage error, as
// ranvik-cli does); returns the chart to open, if any. Qt's own options (-style, -platform)
// are not taken here: their environment variables do the same.
QString ChartFromCommandLine(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    SetIdentity();
    ranvik::UseSystemLanguage();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CommandLine::tr("Keys in a chess tournament's chart and writes its rating report."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  CommandLine::tr("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     CommandLine::tr("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("chart"),
                                 CommandLine::tr("A .tms chart file to open."),
                                 CommandLine::tr("[chart]"));

    const QString tryHelp = CommandLine::tr("Try 'ranvik --help'.\n");
    if (!parser.parse(QCoreApplication::arguments()))
        Print(stderr, QStringLiteral("ranvik: ") + parser.errorText() + u'\n' + tryHelp, 2);
    if (parser.isSet(help))
        Print(stdout, parser.helpText(), 0);
    if (parser.isSet(version))
        Print(stdout, QStringLiteral("Ranvik " RANVIK_VERSION "\n"), 0);
    const QStringList charts = parser.positionalArguments();
    if (charts.size() > 1)
        Print(stderr, CommandLine::tr("ranvik: give one chart file at most.\n") + tryHelp, 2);
    return charts.isEmpty() ? QString() : charts.first();
}

} // namespace

int main(int argc, char* argv[]) {
    // Started again as the membership reader's helper (Windows): no window then.
    if (const auto status = ranvik::platform::ServeChild(argc, argv))
        return *status;
    const QString chart = ChartFromCommandLine(argc, argv);

    ranvik::Application app(argc, argv);
    SetIdentity();
    // Installed again: the translators of the command-line pass went with its application.
    ranvik::UseSystemLanguage();
    // Lets the desktop match the window to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("ranvik"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("ranvik")));

    auto windows = ranvik::CreateAppWindows();
    ranvik::MainWindow* window = windows->mainWindow.get();
    window->show();
    // Once the window is up, so the type question stands over it as File > Open's does.
    if (!chart.isEmpty())
        QTimer::singleShot(0, window, [window, chart] { window->openChartFromCommandLine(chart); });
    return app.exec();
}
