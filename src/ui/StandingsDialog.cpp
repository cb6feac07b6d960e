#include "ui/StandingsDialog.h"

#include "document/ChartDocument.h"
#include "document/TieBreakSettings.h"
#include "ui/FileDialog.h"
#include "ui/MessageText.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"
#include "ui/SectionFit.h"
#include "ui/StandingsModel.h"
#include "ui/StandingsPrinting.h"
#include "ui/TieBreakOrderEditor.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace ranvik {

namespace {

QTableView* MakeTableView(QWidget* parent, const char* name) {
    auto* view = new QTableView(parent);
    view->setObjectName(QLatin1String(name));
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->verticalHeader()->hide();
    return view;
}

QPushButton* AddButton(QDialogButtonBox* box, const char* name, const QString& text) {
    QPushButton* button = box->addButton(text, QDialogButtonBox::ActionRole);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

StandingsDialog::StandingsDialog(ChartDocument& document, DocumentHeading heading,
                                 Settings& settings, FileDialog& exportDialog, QWidget* parent)
    : QDialog(parent), document_(document), heading_(std::move(heading)), settings_(settings),
      exportDialog_(exportDialog), games_(ReadChartGames(document.tournament())) {
    setObjectName(QStringLiteral("standingsDialog"));
    setWindowTitle(tr("Standings"));
    build();
    const std::vector<TieBreak> order = LoadTieBreakOrder(settings_, games_.type);
    tieBreakEditor_->setOrder(order);
    recompute(order);
}

StandingsDialog::~StandingsDialog() = default;

void StandingsDialog::build() {
    headingLabel_ = new QLabel(this);
    headingLabel_->setObjectName(QStringLiteral("standingsHeadingLabel"));
    headingLabel_->setTextFormat(Qt::RichText);

    standingsModel_ = new StandingsModel(this);
    sortedStandings_ = new QSortFilterProxyModel(this);
    sortedStandings_->setSourceModel(standingsModel_);
    sortedStandings_->setSortRole(StandingsModel::SortRole);
    standingsView_ = MakeTableView(this, "standingsView");
    standingsView_->setModel(sortedStandings_);
    standingsView_->setSortingEnabled(true);
    standingsView_->sortByColumn(StandingsModel::Rank, Qt::AscendingOrder);

    crossTableModel_ = new DocumentTableModel(this);
    crossTableView_ = MakeTableView(this, "crossTableView");
    crossTableView_->setModel(crossTableModel_);
    crossTableView_->setSelectionMode(QAbstractItemView::SingleSelection);
    crossTableView_->setSelectionBehavior(QAbstractItemView::SelectItems);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("standingsTabs"));
    tabs_->addTab(standingsView_, tr("&Standings"));
    tabs_->addTab(crossTableView_, tr("&Cross-table"));

    tieBreakEditor_ = new TieBreakOrderEditor(this);
    tieBreakEditor_->setObjectName(QStringLiteral("tieBreakEditor"));
    auto* tieBreakGroup = new QGroupBox(tr("Tie-break order"), this);
    tieBreakGroup->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    auto* groupLayout = new QVBoxLayout(tieBreakGroup);
    groupLayout->addWidget(tieBreakEditor_);
    connect(tieBreakEditor_, &TieBreakOrderEditor::orderChanged, this,
            &StandingsDialog::tieBreaksEdited);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("standingsButtons"));
    QPushButton* printButton = AddButton(buttons, "printButton", tr("&Print\u2026"));
    printButton->setShortcut(QKeySequence::Print);
    QPushButton* previewButton =
        AddButton(buttons, "printPreviewButton", tr("Print pre&view\u2026"));
    QPushButton* pdfButton = AddButton(buttons, "exportPdfButton", tr("Export P&DF\u2026"));
    QPushButton* htmlButton = AddButton(buttons, "exportHtmlButton", tr("Export &HTML\u2026"));
    QPushButton* csvButton = AddButton(buttons, "exportCsvButton", tr("Export CS&V\u2026"));
    connect(printButton, &QPushButton::clicked, this, &StandingsDialog::print);
    connect(previewButton, &QPushButton::clicked, this, &StandingsDialog::printPreview);
    connect(pdfButton, &QPushButton::clicked, this, &StandingsDialog::exportPdf);
    connect(htmlButton, &QPushButton::clicked, this, &StandingsDialog::exportHtml);
    connect(csvButton, &QPushButton::clicked, this, &StandingsDialog::exportCsv);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* body = new QHBoxLayout;
    body->addWidget(tabs_, 1);
    body->addWidget(tieBreakGroup);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headingLabel_);
    layout->addLayout(body, 1);
    layout->addWidget(buttons);
    resize(1000, 600);
}

void StandingsDialog::run() {
    prompts::execModal(*this);
}

// Everything shown is made here, once per order; the sections are sized from the texts,
// never by the views laying out every cell.
void StandingsDialog::recompute(const std::vector<TieBreak>& tieBreaks) {
    Standings standings = ComputeStandings(document_.tournament(), games_, tieBreaks);
    shownHeading_ = StandingsHeading(games_, standings, heading_);
    const std::string separator = ToStdString(QLocale().decimalPoint());
    crossTableModel_->setTable(CrossTable(games_, standings, [&separator](int quarters) {
        return QuartersWithHalf(quarters, separator);
    }));
    standingsModel_->setStandings(std::move(standings), separator);
    FitSectionsToTexts(*standingsView_, standingsModel_->rowCount(), standingsModel_->columnCount(),
                       [this](int row, int col) { return standingsModel_->text(row, col); });
    FitSectionsToTexts(*crossTableView_, crossTableModel_->rowCount(),
                       crossTableModel_->columnCount(),
                       [this](int row, int col) { return crossTableModel_->text(row, col); });
    showHeading();
}

StandingsDocument StandingsDialog::printable() const {
    return BuildStandingsDocument(games_, standingsModel_->standings(), heading_);
}

void StandingsDialog::showHeading() {
    QStringList lines = {
        QStringLiteral("<b>%1</b>").arg(MessageText(shownHeading_.title).toHtmlEscaped())};
    // The core writes these lines in English for its files; the window shows them translated.
    for (const Message& line : shownHeading_.headingLines)
        lines << MessageText(line).toHtmlEscaped();
    headingLabel_->setText(lines.join(QLatin1String("<br>")));
}

void StandingsDialog::tieBreaksEdited() {
    const std::vector<TieBreak> order = tieBreakEditor_->order();
    // Not remembering the order is no reason to stop showing it.
    SaveTieBreakOrder(settings_, games_.type, order);
    recompute(order);
}

void StandingsDialog::print() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("printDialog"));
    if (prompts::execModal(dialog) != QDialog::Accepted)
        return;
    PrintStandings(printable(), printer);
}

void StandingsDialog::printPreview() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("printPreviewDialog"));
    const StandingsDocument document = printable();
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [&document](QPrinter* target) { PrintStandings(document, *target); });
    prompts::execModal(dialog);
}

void StandingsDialog::exportPdf() {
    exportAs(ExportKind::Pdf);
}
void StandingsDialog::exportHtml() {
    exportAs(ExportKind::Html);
}
void StandingsDialog::exportCsv() {
    exportAs(ExportKind::Csv);
}

// The export's file, its extension added when the name has none; a file that the added
// extension names is replaced only when the user says so, as the report does.
QString StandingsDialog::chooseExportPath(ExportKind kind) {
    static constexpr const char* kExtensions[] = {"pdf", "html", "csv"};
    const QString extension = QLatin1String(kExtensions[static_cast<int>(kind)]);
    const QString filters[] = {tr("PDF files (*.pdf)|*.pdf"), tr("Web pages (*.html)|*.html"),
                               tr("CSV files (*.csv)|*.csv")};
    exportDialog_.setFilter(filters[static_cast<int>(kind)] + tr("|All files (*.*)|*.*"));
    exportDialog_.setTitle(tr("Export standings"));

    const QFileInfo chart(ToQString(document_.fileName()));
    const QFileInfo last(exportDialog_.fileName());
    const QString base = document_.fileName().empty() ? tr("standings")
                                                      : chart.completeBaseName() + tr("-standings");
    const QString folder = exportDialog_.fileName().isEmpty()
                               ? (document_.fileName().empty() ? QString() : chart.absolutePath())
                               : last.absolutePath();
    exportDialog_.setFileName((folder.isEmpty() ? QString() : folder + QLatin1Char('/')) + base +
                              QLatin1Char('.') + extension);

    QString path = exportDialog_.exec(this);
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    path += QLatin1Char('.') + extension;
    if (QFileInfo::exists(path) &&
        prompts::confirm(this, tr("Replace file?"),
                         tr("%1 already exists.\nDo you want to replace it?").arg(path),
                         QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
        return {};
    }
    return path;
}

void StandingsDialog::exportAs(ExportKind kind) {
    const QString path = chooseExportPath(kind);
    if (path.isEmpty())
        return;
    std::string bytes;
    switch (kind) {
    case ExportKind::Pdf: {
        PdfOutcome pdf = StandingsPdf(printable(), LocalPaperSize());
        if (!pdf.ok) {
            prompts::showError(this, MessageText(pdf.message));
            return;
        }
        bytes = std::move(pdf.bytes);
        break;
    }
    case ExportKind::Html:
        bytes = StandingsHtml(printable());
        break;
    case ExportKind::Csv:
        bytes = StandingsCsv(standingsModel_->standings());
        break;
    }
    document_.writeStandings(ToCorePath(path), bytes);
}

} // namespace ranvik
