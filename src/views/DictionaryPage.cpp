#include "views/DictionaryPage.h"

#include "ui_DictionaryPage.h"

#include "controls/ClickableLabel.h"
#include "controls/CounterText.h"
#include "platform/Dialogs.h"
#include "search/SearchRun.h"
#include "search/SearchScheduler.h"
#include "store/Dictionary.h"
#include "views/DictionarySource.h"
#include "views/DictionaryText.h"
#include "views/MeaningArrangement.h"
#include "views/ResultGridModel.h"
#include "views/ResultListModel.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTextCharFormat>

#include <utility>

namespace termora {
namespace {

const QColor kMarkerColour(0, 0, 255);
// The user's own meanings, and the legend that says so.
const QColor kOwnColour(160, 82, 45);
const QColor kFilterActiveColour(0, 128, 0);
const QColor kFilterInactiveColour(128, 128, 128);
constexpr int kListItemHeight = 13;
constexpr int kGridKeyWidth = 90;
constexpr int kGridExpansionWidth = 446;
constexpr int kGridExpansionMinWidth = 200;

void setLabelColour(QWidget* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

}  // namespace

DictionaryPage::DictionaryPage(const DictionarySource& source, QWidget* parent)
    : QWidget(parent),
      ui(std::make_unique<Ui::DictionaryPage>()),
      m_source(source),
      m_shown(source.current()),
      m_list(new ResultListModel(this)),
      m_grid(new ResultGridModel(this)),
      m_scheduler(new SearchScheduler([this] { DoSearch(); }, this)) {
    ui->setupUi(this);
    ui->K->findChild<QLineEdit*>()->setObjectName(QStringLiteral("JK"));
    ui->K->findChild<QLineEdit*>()->setReadOnly(true);
    setLabelColour(ui->ls, kFilterActiveColour);
    setLabelColour(ui->NI, Qt::black);
    setLabelColour(ui->ownMeanings, kOwnColour);
    ui->ownMeanings->hide();

    ui->SAL->setModel(m_list);
    ui->SAL->setSelectionMode(QAbstractItemView::SingleSelection);
    ui->SAL->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->SAL->setUniformItemSizes(true);
    m_listDesignPointSize = ui->SAL->font().pointSizeF();
    ui->SAL->installEventFilter(this);
    ui->SAL->viewport()->installEventFilter(this);
    setListColumns(ui->K->value());

    ui->Grid->setModel(m_grid);
    ui->Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui->Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    ui->Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->Grid->setWordWrap(true);
    ui->Grid->setTextElideMode(Qt::ElideRight);
    ui->Grid->setSortingEnabled(true);
    ui->Grid->sortByColumn(ResultGridModel::cAbr, Qt::AscendingOrder);
    ui->Grid->setStyleSheet(QStringLiteral("QTableView { gridline-color: silver; }"));
    ui->Grid->verticalHeader()->setVisible(false);
    ui->Grid->verticalHeader()->setDefaultSectionSize(2 * fontMetrics().height() + 6);
    ui->Grid->horizontalHeader()->resizeSection(ResultGridModel::cAbr, kGridKeyWidth);
    ui->Grid->horizontalHeader()->resizeSection(ResultGridModel::cExp, kGridExpansionWidth);
    ui->Grid->horizontalHeader()->setStretchLastSection(true);
    // A bold header for the selected row would cut "Abbreviation" short.
    ui->Grid->horizontalHeader()->setHighlightSections(false);
    connect(ui->Grid->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        if (section == ResultGridModel::cExp && size < kGridExpansionMinWidth) {
            ui->Grid->horizontalHeader()->resizeSection(section, kGridExpansionMinWidth);
        }
    });

    ui->Kep->setContextMenuPolicy(Qt::CustomContextMenu);
    ui->Find->installEventFilter(this);

    connect(ui->Cari, &QPushButton::clicked, this, &DictionaryPage::CariClick);
    connect(ui->Find, &QLineEdit::textChanged, this, &DictionaryPage::FindChange);
    connect(ui->Auto, &QCheckBox::clicked, this, &DictionaryPage::AutoClick);
    // Each pair of radio buttons is its own group: exactly one method and one
    // view style are chosen at any time, and clicking the chosen one keeps it.
    auto* methods = new QButtonGroup(this);
    for (QAbstractButton* method : {ui->m1, ui->m2, ui->m3, ui->m4}) methods->addButton(method);
    auto* styles = new QButtonGroup(this);
    styles->addButton(ui->vsClassic);
    styles->addButton(ui->vsModern);
    connect(ui->m4, &QRadioButton::toggled, this, &DictionaryPage::m1Click);
    for (int n = 0; n < LengthBuckets::kCount; ++n) {
        QAbstractButton* button = lengthButton(n);
        connect(button, &QAbstractButton::clicked, this, [this, button] { t1Click(button); });
    }
    connect(ui->K, &QSpinBox::valueChanged, this, &DictionaryPage::KClick);
    connect(styles, &QButtonGroup::buttonClicked, this, &DictionaryPage::vsClassicClick);
    // A mouse press makes an item current before it selects it, so the
    // selection, not the current item, tells what to show.
    connect(ui->SAL->selectionModel(), &QItemSelectionModel::selectionChanged, this, &DictionaryPage::SALClick);
    connect(ui->Grid->selectionModel(), &QItemSelectionModel::selectionChanged, this, &DictionaryPage::GridSelectCell);
    // A sort moves the selected row with its entry; the counter and the
    // view follow it.
    connect(m_grid, &QAbstractItemModel::layoutChanged, this, [this] {
        const int row = selectedRow(*ui->Grid);
        if (row < 0) return;
        setGridCounter(row);
        ui->Grid->scrollTo(m_grid->index(row, ResultGridModel::cAbr));
    });
    connect(ui->Copy, &QPushButton::clicked, this, &DictionaryPage::CopyClick);
    connect(ui->Kep, &QWidget::customContextMenuRequested, this, &DictionaryPage::KepContextPopup);
    connect(ui->Label4, &ClickableLabel::doubleClicked, this, &DictionaryPage::Label4Click);
    connect(ui->Label1, &ClickableLabel::clicked, this, &DictionaryPage::fullListingCodeRequested);
    connect(ui->NI, &ClickableLabel::rightClicked, this, &DictionaryPage::counterRightClicked);
    connect(ui->Button3, &QPushButton::clicked, this, &DictionaryPage::exportRequested);
    connect(ui->Label3, &ClickableLabel::rightClicked, this, &DictionaryPage::expansionLabelRightClicked);
}

DictionaryPage::~DictionaryPage() = default;

int DictionaryPage::pendingSearches() const { return m_scheduler->pending(); }

void DictionaryPage::setSearchText(const QString& text) {
    // setText fires the change event only for a new text.
    ui->Find->setText(text);
}

void DictionaryPage::lookUp(const QString& term) {
    // With Auto Search on, a new text requests the run itself.
    const int pending = pendingSearches();
    setSearchText(term);
    if (pendingSearches() == pending) CariClick();
}

QString DictionaryPage::searchText() const { return ui->Find->text(); }

QString DictionaryPage::shownCounter() const { return ui->NI->text(); }

void DictionaryPage::focusSearchBox() { ui->Find->setFocus(); }

void DictionaryPage::offerExportTables(const QStringList& tables) {
    ui->Kar->clear();
    ui->Kar->addItems(tables);
    ui->Kar->setCurrentIndex(tables.isEmpty() ? -1 : 0);
}

QString DictionaryPage::chosenExportTable() const { return ui->Kar->currentText(); }

void DictionaryPage::toggleExportButton() { ui->Button3->setVisible(ui->Button3->isHidden()); }

void DictionaryPage::showExportedLines(const QStringList& lines) {
    ui->EL->clear();
    ui->EL->addItems(lines);
}

void DictionaryPage::CariClick() { m_scheduler->request(); }

void DictionaryPage::FindChange() {
    if (ui->Auto->isChecked()) CariClick();
}

void DictionaryPage::AutoClick() { ui->Find->setFocus(); }

void DictionaryPage::m1Click() { ui->chkSame->setEnabled(ui->m4->isChecked()); }

bool DictionaryPage::eventFilter(QObject* watched, QEvent* event) {
    // The list's layout follows its visible size and its font, which the
    // window's scaling passes change.
    if ((watched == ui->SAL->viewport() && event->type() == QEvent::Resize) ||
        (watched == ui->SAL && event->type() == QEvent::FontChange)) {
        setListColumns(ui->K->value());
    }
    if (watched == ui->Find && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            CariClick();
        } else if (key == Qt::Key_Escape) {
            ui->Find->clear();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DictionaryPage::DoSearch() {
    showExpansion(QString());
    // The results to be replaced point into the dictionary searched last;
    // it stays until they are gone.
    const std::shared_ptr<const Dictionary> previous = std::exchange(m_shown, m_source.current());
    std::vector<const TSL*> hits;
    const QString text = ui->Find->text();
    const auto bytes = dictionaryBytes(text);
    if (!text.isEmpty() && bytes) {
        SearchMethod method = SearchMethod::Exact;
        if (ui->m2->isChecked()) method = SearchMethod::Related;
        if (ui->m3->isChecked()) method = SearchMethod::ContainingText;
        if (ui->m4->isChecked()) method = SearchMethod::Anagram;
        hits = runSearchInKeyOrder(*m_shown, *bytes, method, ui->chkSame->isChecked());
    }
    // Both presentations are replaced in one step each, so neither redraws
    // while hits arrive.
    std::vector<std::string_view> keys;
    keys.reserve(hits.size());
    for (const TSL* hit : hits) keys.push_back(hit->S);
    m_list->setKeys(std::move(keys));
    m_grid->setRows(std::move(hits));
    ui->Grid->sortByColumn(ResultGridModel::cAbr, Qt::AscendingOrder);
    setCounter(m_list->rowCount());
    if (m_list->rowCount() > 0 && ui->vsClassic->isChecked()) selectFirstKeyAndShow();
    finsearch();
}

void DictionaryPage::finsearch() {
    const auto caption = qScopeGuard([this] { ui->ls->setText(QStringLiteral("( All )")); });
    m_buckets.rebuild(m_list->keys());
    enableLengthButtons();
}

void DictionaryPage::t1Click(QAbstractButton* sender) {
    m_list->clear();
    showExpansion(QString());
    ui->ls->setText(QStringLiteral("( ") + sender->text() + QStringLiteral(" )"));
    const auto& bucket = m_buckets.bucket(sender->property("tag").toInt());
    m_list->setKeys(bucket);
    setCounter(m_list->rowCount());
    if (m_list->rowCount() > 0 && ui->vsClassic->isChecked()) selectFirstKeyAndShow();
}

void DictionaryPage::KClick() {
    setListColumns(ui->K->value());
    // The selected key stays in view in the new arrangement.
    if (const int row = selectedRow(*ui->SAL); row >= 0) ui->SAL->scrollTo(m_list->index(row));
}

void DictionaryPage::vsClassicClick(QAbstractButton* sender) {
    const bool classic = ui->vsClassic->isChecked();
    ui->SAL->setVisible(classic);
    ui->Grid->setVisible(ui->vsModern->isChecked());
    setLabelColour(ui->ls, classic ? kFilterActiveColour : kFilterInactiveColour);
    showExpansion(QString());
    ui->SAL->selectionModel()->clear();
    const int tag = sender->property("tag").toInt();
    if (tag == 0) setCounter(m_list->rowCount());
    if (tag == 1) setCounter(static_cast<int>(m_buckets.bucket(0).size()));
    enableLengthButtons();
}

void DictionaryPage::SALClick() {
    const int row = selectedRow(*ui->SAL);
    if (row >= 0 && ui->vsClassic->isChecked()) {
        const TSL* record = m_shown->findKey(m_list->key(row));
        if (record != nullptr) showExpansion(expansionText(record->L), m_shown->ownMeaningsFrom(*record));
        else showExpansion(QString());
    }
    setCounter(row + 1, m_list->rowCount());
    ArrangeMeanings();
}

void DictionaryPage::GridSelectCell() {
    // With the row deselected (Ctrl+click) the counter reads position 0 and
    // the view keeps its text, as the Classic list does.
    const int row = selectedRow(*ui->Grid);
    if (row >= 0) {
        const TSL& record = *m_grid->row(row);
        showExpansion(expansionText(record.L), m_shown->ownMeaningsFrom(record));
    }
    setGridCounter(row);
    ArrangeMeanings();
}

void DictionaryPage::ArrangeMeanings() {
    // A text is broken into lines once, when it is put into the view; later
    // calls only highlight, so blank lines never pile up.
    const ArrangedMeanings arranged =
        arrangeMeanings(ui->Kep->toPlainText(), ui->AA->isChecked() && !m_expansionArranged, m_ownFrom);
    if (arranged.text != ui->Kep->toPlainText()) {
        showExpansion(arranged.text, arranged.ownFrom < 0 ? std::string::npos : std::size_t(arranged.ownFrom));
    }
    m_expansionArranged = true;
    QTextCursor cursor(ui->Kep->document());
    cursor.beginEditBlock();
    if (m_ownFrom >= 0) {
        // The user's meanings in a colour of their own, the markers in them
        // bold blue as all markers are.
        QTextCharFormat own;
        own.setForeground(kOwnColour);
        own.setFontItalic(true);
        cursor.setPosition(m_ownFrom);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(own);
    }
    QTextCharFormat marker;
    marker.setFontWeight(QFont::Bold);
    marker.setForeground(kMarkerColour);
    for (const TextRange& range : arranged.markers) {
        cursor.setPosition(range.start);
        cursor.setPosition(range.start + range.length, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(marker);
    }
    cursor.endEditBlock();
    QTextCursor start(ui->Kep->document());
    ui->Kep->setTextCursor(start);
    ui->Kep->verticalScrollBar()->setValue(0);
}

void DictionaryPage::CopyClick() {
    ui->Kep->selectAll();
    ui->Kep->copy();
    QTextCursor end = ui->Kep->textCursor();
    end.movePosition(QTextCursor::End);
    ui->Kep->setTextCursor(end);
}

void DictionaryPage::KepContextPopup() { CopyClick(); }

void DictionaryPage::Label4Click() {
    setListColumns(0);
    const auto restoreColumns = qScopeGuard([this] { setListColumns(ui->K->value()); });
    // Each key's meanings are its markers, or one for a text without any; the
    // count reads the stored texts, so it is the same in either view style.
    int total = 0;
    for (const std::string_view key : m_list->keys()) {
        const TSL* record = m_shown->findKey(key);
        const int markers = record != nullptr ? PosCount(QStringLiteral("<"), keyText(record->L)) : 0;
        total += markers > 0 ? markers : 1;
    }
    if (m_list->rowCount() > 0) {
        ui->SAL->setCurrentIndex(m_list->index(m_list->rowCount() - 1));
    }
    dialogs().message(this, QString::number(total) + QStringLiteral(" Subkata"));
}

void DictionaryPage::showExpansion(const QString& text, std::size_t ownFrom) {
    // New text starts plain: the format at the caret would otherwise carry
    // the last marker's bold blue into it.
    ui->Kep->setCurrentCharFormat(QTextCharFormat());
    ui->Kep->setPlainText(text);
    m_expansionArranged = false;
    // One dictionary byte is one character of the text.
    m_ownFrom = ownFrom < std::size_t(text.size()) ? int(ownFrom) : -1;
    ui->ownMeanings->setVisible(m_ownFrom >= 0);
}

void DictionaryPage::setListColumns(int columns) {
    // With columns the keys fill the list top to bottom, column after column,
    // each column an equal share of the visible width; with none, one column
    // as wide as the space beside the vertical scroll bar. Called again
    // whenever that space changes size, so n always means n columns.
    QListView* list = ui->SAL;
    const int width = list->viewport()->width();
    list->setFlow(QListView::TopToBottom);
    list->setWrapping(columns > 0);
    // Rounded up, so that no sliver of a further column shows at the right.
    const int columnWidth = columns > 0 ? (width + columns - 1) / columns : width;
    // The item height belongs to the design font and grows with it.
    const qreal pointSize = list->font().pointSizeF();
    const int itemHeight = pointSize > 0 && m_listDesignPointSize > 0
                               ? qRound(kListItemHeight * pointSize / m_listDesignPointSize)
                               : kListItemHeight;
    list->setGridSize(QSize(columnWidth, itemHeight));
}

void DictionaryPage::selectFirstKeyAndShow() {
    // The list was just refilled, so nothing is selected: the selection
    // change shows the key.
    ui->SAL->selectionModel()->setCurrentIndex(m_list->index(0), QItemSelectionModel::ClearAndSelect);
}

int DictionaryPage::selectedRow(const QAbstractItemView& view) {
    const QModelIndexList selected = view.selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void DictionaryPage::setCounter(int count) { ui->NI->setText(counterText(count)); }

void DictionaryPage::setCounter(int position, int count) { ui->NI->setText(counterText(position, count)); }

void DictionaryPage::setGridCounter(int row) { setCounter(row + 1, static_cast<int>(m_buckets.bucket(0).size())); }

void DictionaryPage::enableLengthButtons() {
    const bool classic = ui->vsClassic->isChecked();
    for (int n = 0; n < LengthBuckets::kCount; ++n) lengthButton(n)->setEnabled(classic && !m_buckets.isEmpty(n));
}

QAbstractButton* DictionaryPage::lengthButton(int n) const {
    return findChild<QAbstractButton*>(QStringLiteral("t%1").arg(n));
}

}  // namespace termora
