#pragma once
// The offline dictionary page: the search box and its triggers, the search
// methods, the Classic list and the Modern grid, the length filter, the
// column number and the expansion view, where the user's own meanings are
// marked and explained by a legend.

#include "search/LengthBuckets.h"

#include <QStringList>
#include <QWidget>

#include <cstddef>
#include <memory>
#include <string>

class QAbstractButton;
class QAbstractItemView;

namespace Ui {
class DictionaryPage;
}

namespace termora {

class Dictionary;
class DictionarySource;
class ResultGridModel;
class ResultListModel;
class SearchScheduler;

class DictionaryPage : public QWidget {
    Q_OBJECT
public:
    // The source must outlive the page.
    explicit DictionaryPage(const DictionarySource& source, QWidget* parent = nullptr);
    ~DictionaryPage() override;

    const LengthBuckets& lengthBuckets() const { return m_buckets; }
    const ResultListModel& resultList() const { return *m_list; }
    const ResultGridModel& resultGrid() const { return *m_grid; }
    int pendingSearches() const;

    // Puts a text into the search box as typing it would (with Auto Search
    // a search follows); the same text again changes nothing.
    void setSearchText(const QString& text);
    // Puts the term into the search box and requests one run for it, with
    // or without Auto Search: a look-up from outside the window.
    void lookUp(const QString& term);
    // What the page shows: the search box's text and the counter "[ n ]".
    QString searchText() const;
    QString shownCounter() const;
    // Gives the search box the keyboard focus.
    void focusSearchBox();

    // The maintainers' export panel: the tables offered in its choice box
    // (the first one chosen), the one chosen, the export button that a
    // right-click on the counter shows and hides, and the exported lines.
    void offerExportTables(const QStringList& tables);
    QString chosenExportTable() const;
    void toggleExportButton();
    void showExportedLines(const QStringList& lines);

signals:
    // "&Acronym to Search :" was clicked: the full-listing tool's door.
    void fullListingCodeRequested();
    // A right-click on the counter "[ n ]".
    void counterRightClicked();
    // The export button was clicked.
    void exportRequested();
    // A right-click on "&Expansion :": the add-entry tool's door.
    void expansionLabelRightClicked();

public slots:
    // Search triggers: each requests one run, which executes after the
    // handler returns. The search button (and Enter), a changed search text
    // with Auto Search checked; a click on Auto Search puts the focus back
    // into the search box; the Anagram method enables "Same Length".
    void CariClick();
    void FindChange();
    void AutoClick();
    void m1Click();
    // The search run itself: the hits into the list, the grid and the
    // counter; then the length buckets of the hits.
    void DoSearch();
    void finsearch();
    // The length buttons (the list shows the keys of one length), the
    // column number, and the Classic or Modern view.
    void t1Click(QAbstractButton* sender);
    void KClick();
    void vsClassicClick(QAbstractButton* sender);
    // A key chosen in the list or a row in the grid: its meanings into the
    // expansion view, arranged one a line with their markers highlighted.
    void SALClick();
    void GridSelectCell();
    void ArrangeMeanings();
    // "Copy to Clipboard" and a right-click on the view: the meanings onto
    // the clipboard.
    void CopyClick();
    void KepContextPopup();
    // A double-click on "Search Results :": the number of meanings listed.
    void Label4Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The text into the view, the user's own meanings from ownFrom (a
    // position in text; npos for none).
    void showExpansion(const QString& text, std::size_t ownFrom = std::string::npos);
    void setListColumns(int columns);
    void selectFirstKeyAndShow();
    void setCounter(int count);
    void setCounter(int position, int count);
    void setGridCounter(int row);
    static int selectedRow(const QAbstractItemView& view);
    void enableLengthButtons();
    QAbstractButton* lengthButton(int n) const;

    std::unique_ptr<Ui::DictionaryPage> ui;
    const DictionarySource& m_source;
    // The dictionary the results point into, kept until the next search.
    std::shared_ptr<const Dictionary> m_shown;
    ResultListModel* m_list;
    ResultGridModel* m_grid;
    SearchScheduler* m_scheduler;
    LengthBuckets m_buckets;
    bool m_expansionArranged = false;  // the view's text has its lines already
    int m_ownFrom = -1;                // where the view's own meanings begin, or -1
    qreal m_listDesignPointSize = 0;    // the result list's font size at design
};

}  // namespace termora
