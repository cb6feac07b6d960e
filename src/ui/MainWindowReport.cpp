#include "ui/MainWindow.h"

#include "files/ChartFile.h"
#include "files/FileWriter.h"
#include "report/RatingReport.h"
#include "ui/ChartView.h"
#include "ui/CheckQRBNumbersDlg.h"
#include "ui/FileDialog.h"
#include "ui/Prompts.h"
#include "ui/SavePaths.h"
#include "ui/TnmtHeaderDlg.h"
#include "validation/Validation.h"

#include <QFileInfo>
#include <QStringList>

namespace ranvik {

namespace {

const QString kReportFilter =
    QStringLiteral("QRB tournament reports (*.qtr)|*.qtr|All files (*.*)|*.*");

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The proposed name goes into the folder the save dialog was last used in.
QString ProposalInLastFolder(const QString& lastName, const QString& proposed) {
    const QFileInfo last(lastName);
    if (lastName.isEmpty() || !last.isAbsolute())
        return proposed;
    return last.absolutePath() + QLatin1Char('/') + proposed;
}

} // namespace

void TForm1::CreateReportBtnClick() {
    AskRatingFieldIfEmpty();

    const ValidationResult fault = Validate(tournament_, [this](const std::string& message) {
        return prompts::askInconsistency(this, Q(message));
    });
    if (fault.code >= 1 && fault.code <= 5) {
        // Row first, then column, as the cursor would travel.
        StringGrid1->setCurrentCell(StringGrid1->currentCol(), fault.row);
        StringGrid1->setCurrentCell(fault.col, fault.row);
        StringGrid1->setFocus();
        prompts::showError(this, Q(FaultText(fault)));
        return;
    }
    if (fault.code != 0)
        return;

    QStringList flagged;
    for (const std::string& line :
         FlaggedMemberLines(tournament_.chart(), tournament_.playerRows()))
        flagged << Q(line);
    if (!flagged.isEmpty() && !CheckQRBNumbersDlg->ask(flagged))
        return;

    TnmtHeaderDlg->setTournamentType(Q(TournamentTypeText(tournament_.type())));
    if (!TnmtHeaderDlg->ask())
        return;
    const TournamentInfo info = TnmtHeaderDlg->info();

    SaveDialog1.setFilter(kReportFilter);
    SaveDialog1.setFileName(
        ProposalInLastFolder(SaveDialog1.fileName(), Q(ProposedReportName(info))));
    const QString chosen = SaveDialog1.exec(this);
    if (chosen.isEmpty())
        return;
    const QString reportPath = Q(ReportPathFor(chosen.toStdString()));
    if (!ConfirmReplacingCompletedName(this, chosen, reportPath))
        return;

    const RatingSystem system =
        RatingField == QLatin1String("RATING") ? RatingSystem::Regular : RatingSystem::Active;
    const ReportBytes report = BuildReportBytes(tournament_, system, info);
    if (!report.ok) {
        prompts::showError(this, Q(report.message));
        return;
    }
    // A chart that cannot be written must not leave a report behind without its chart.
    const QString chartPath = Q(ChartPathBesideReport(reportPath.toStdString()));
    const ChartBytes chart = EncodeChartFile(tournament_.chart());
    if (!chart.ok) {
        SaveGridContent(chartPath, chart); // shows the chart file's own error
        return;
    }
    if (!WriteFileSafely(reportPath.toStdString(), report.bytes)) {
        prompts::showError(this, QStringLiteral("Error saving report to file: ") + reportPath);
        return;
    }

    SaveGridContent(chartPath, chart);
    if (ChartSaveFailed)
        return;
    const QStringList confirmation = {
        QStringLiteral("Ratings reports saved to file: "),
        reportPath,
        chartPath,
        QString(),
        QStringLiteral(
            "These are the two files you submit to the QRB office to rate this section."),
    };
    prompts::showInformation(this, confirmation.join(QLatin1Char('\r')));
}

} // namespace ranvik
