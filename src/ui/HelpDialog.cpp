#include "ui/HelpDialog.h"

#include "ui/ButtonBar.h"
#include "ui/WindowPlacement.h"

#include <QFont>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

namespace ranvik {

namespace {

// Each paragraph is translated whole, so a translation can order its sentences freely.
constexpr const char* kParagraphs[] = {
    QT_TRANSLATE_NOOP(
        "ranvik::HelpDialog",
        "Ranvik is for tournament directors. You key in the results of a finished "
        "tournament and Ranvik produces the report that the Korvath uses to work out the "
        "rating changes of the players."),
    QT_TRANSLATE_NOOP(
        "ranvik::HelpDialog",
        "The window is divided into two main sections. On the left is the grid, where you "
        "enter the players' names, their membership numbers, their ratings and the results "
        "of every round. Drag the bar between the two sections to change how much room "
        "each one gets."),
    QT_TRANSLATE_NOOP(
        "ranvik::HelpDialog",
        "The right side is the optional database view. If you have the QRB membership "
        "database on file, you can load players from it into the chart instead of typing "
        "them."),
    QT_TRANSLATE_NOOP(
        "ranvik::HelpDialog",
        "Set the number of players and the number of rounds in the boxes at the top of the "
        "window. For a round robin or a double round robin, choose it in the box labelled "
        "Tournament type; a Swiss event is the default."),
    QT_TRANSLATE_NOOP(
        "ranvik::HelpDialog",
        "Next, register the players, either by typing them in or by double-clicking them "
        "in the database view. Last of all, enter each player's results and opponents in "
        "the columns provided."),
    QT_TRANSLATE_NOOP(
        "ranvik::HelpDialog",
        "Save the finished chart with the Save command of the File menu. File > Open asks for "
        "the file first, then which kind of tournament it is, since a chart file does not "
        "record it; the answer its columns suggest is proposed. Every question that could "
        "lose your work has a Cancel, and Escape or the window's close button cancels it."),
    QT_TRANSLATE_NOOP(
        "ranvik::HelpDialog",
        "In a Swiss event every result begins with its result character: W, L or D in "
        "English, G, E or P in French, or the symbols +, = and -. Byes and forfeits have "
        "their own characters (B, H or U for a bye and X, Z or F for a forfeit, according "
        "to what they are worth), or may simply be entered as W, L or D. After the result "
        "character comes the opponent's number, which is the number of the row in which "
        "the opponent stands in the chart on the screen. For byes and forfeits, enter 0 as "
        "the opponent. A bye never has an opponent: a number after B, H or U is ignored in "
        "the report. A forfeit that names an opponent fills in the opponent's cell (X gives "
        "F, F gives X, Z gives Z), but the report files it as a game played against that "
        "player; the chart's check warns about every bye with a number and every forfeit "
        "with an opponent, and the report lists them before anything is written."),
    QT_TRANSLATE_NOOP(
        "ranvik::HelpDialog",
        "Round robin results are entered as 1, 0 or = on their own, with no opponent, "
        "because a round robin chart has one column per player rather than one per "
        "round."),
    QT_TRANSLATE_NOOP(
        "ranvik::HelpDialog",
        "When the chart is the way you want it, press \"Create report for QRB...\". The "
        "ending date must be a real date, no later than tomorrow. Before anything is written "
        "you confirm a list of what deserves a second look: membership numbers that are not "
        "six digits (the director's and organiser's too), ratings outside 0 to 3000, a name "
        "on two lines. The two files of the rating report are then written, for you to send "
        "or upload to the federation; the chart counts as saved only when its chart file is "
        "the chart's own file."),
    QT_TRANSLATE_NOOP(
        "ranvik::HelpDialog",
        "The players do not have to be in rating order, but keying in the results is "
        "easier when they are. You can sort the chart by rating; results already entered "
        "keep their opponents, whose numbers are updated by the sort."),
    QT_TRANSLATE_NOOP(
        "ranvik::HelpDialog",
        "As you enter a player's results, Ranvik fills in the opponents' results for you: "
        "pressing Enter in a result cell, or leaving a cell you changed, writes the "
        "opponent's cell of the same game (W5 in line 3 gives L3 in line 5). Enter on a "
        "result writes the opponent's cell again; moving through cells writes nothing. When "
        "you change or clear a result, the old opponent's cell is emptied if it still holds "
        "what Ranvik wrote there, and a cell you typed differently is left alone. A result "
        "Ranvik cannot mirror (an unknown letter, #, $ or %) or that names its own line "
        "fills in nothing. To turn this off, for instance while you enter results that do "
        "not agree, clear the automatic update item in the Tools menu."),
    QT_TRANSLATE_NOOP(
        "ranvik::HelpDialog",
        "An event paired in a pairing program can be read from its FIDE tournament report "
        "file with File > Import > FIDE tournament report (TRF). The chart is replaced by "
        "the file's players in start-number order, with their names and ratings; a round "
        "robin or double round robin is recognised when every player meets every other "
        "once or twice. In a Swiss chart the codes become: 1, 0 and = a win, loss or draw "
        "(W, L, D); + and - a forfeit won or lost (X, F); W, D and L scored without play "
        "X, Z and F; H a half-point bye (H); F a full-point bye (B); U and Z a bye worth "
        "nothing (U); an unpaired round stays empty. A round robin chart shows games not "
        "played over the board as + and -, and leaves byes out. Colours are not kept. A file "
        "that "
        "cannot make a chart is refused with the line at fault, and the chart is left as "
        "it was; points in the file that differ from the imported results are listed as "
        "warnings."),
    QT_TRANSLATE_NOOP(
        "ranvik::HelpDialog",
        "Database > Match players with database fills the membership number and rating "
        "of every player without a valid number whose name is a member's name, ignoring "
        "case, accents, punctuation and the order of surname and given names. When several "
        "members have the name, or none, you pick the member from a list or skip the line. "
        "A number already typed in is never replaced."),
    QT_TRANSLATE_NOOP(
        "ranvik::HelpDialog",
        "The line number, name, membership number and rating stay in view while the results "
        "scroll sideways, and each player's points stay at the chart's right. Tools > Show "
        "problems lists every fault of the chart as you type, a character a chart file cannot "
        "save among them; the cells at fault are hatched, and a double-click on a problem "
        "takes you to its cell."),
    QT_TRANSLATE_NOOP(
        "ranvik::HelpDialog",
        "The keyboard alone is enough: the arrows, Tab, Home, End, Page Up and Page Down move "
        "between cells, typing or F2 edits the current cell, Delete clears the selected cells "
        "and Ctrl+Z undoes any change. With Tools > Enter moves to the next cell, Enter goes "
        "on down the column. F6 and Shift+F6 go from pane to pane (the counts and the type, the "
        "chart, the problems, the membership list), and Alt with an underlined letter reaches "
        "its control."),
};

} // namespace

QStringList HelpDialog::Paragraphs() {
    QStringList paragraphs;
    for (const char* paragraph : kParagraphs)
        paragraphs << tr(paragraph);
    return paragraphs;
}

HelpDialog::HelpDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("helpDialog"));
    setWindowTitle(tr("Ranvik Help"));

    const OkBar bar = MakeOkBar(this);
    okButton_ = bar.ok;

    helpText_ = new QPlainTextEdit(this);
    helpText_->setObjectName(QStringLiteral("helpText"));
    helpText_->setReadOnly(true);
    helpText_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    helpText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    helpText_->setFont(font);
    helpText_->setPlainText(Paragraphs().join(QStringLiteral("\n\n")));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(helpText_, 1);
    layout->addWidget(bar.panel);
    // About 70 characters a line and 36 lines, whatever the font.
    const QFontMetrics metrics(font);
    resize(metrics.averageCharWidth() * 70, metrics.lineSpacing() * 36);

    setTabOrder(okButton_, helpText_);
    okButton_->setFocus();
}

void HelpDialog::showEvent(QShowEvent* event) {
    CenterOnScreen(*this);
    // Enter closes the window straight away, whatever had the focus last time.
    okButton_->setFocus();
    QDialog::showEvent(event);
}

} // namespace ranvik
