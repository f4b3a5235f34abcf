#pragma once
// The offline dictionary page: the search box and its triggers, the search
// methods, the Classic list and the Modern grid, the length filter, the
// column number and the expansion view.

#include "LengthBuckets.h"

#include <QWidget>

#include <memory>

class QAbstractButton;
class QAbstractItemView;

namespace Ui {
class DictionaryPage;
}

namespace termora {

class AcronymStore;
class ResultGridModel;
class ResultListModel;
class SearchScheduler;

class DictionaryPage : public QWidget {
    Q_OBJECT
public:
    DictionaryPage(const AcronymStore& store, QWidget* parent = nullptr);
    ~DictionaryPage() override;

    Ui::DictionaryPage& form() { return *ui; }
    const LengthBuckets& lengthBuckets() const { return m_buckets; }
    const ResultListModel& resultList() const { return *m_list; }
    const ResultGridModel& resultGrid() const { return *m_grid; }
    int pendingSearches() const;
    // Puts the term into the search box and requests one run for it.
    void lookUp(const QString& term);

public slots:
    // Search triggers: each requests one run, which executes after the handler returns.
    void CariClick();
    void FindChange();
    void AutoClick();
    void m1Click();
    // The search run itself and its completion.
    void DoSearch();
    void finsearch();
    // Length filter, column number, view style.
    void t1Click(QAbstractButton* sender);
    void KClick();
    void vsClassicClick(QAbstractButton* sender);
    // Selection and the expansion view.
    void SALClick();
    void GridSelectCell();
    void ArrangeMeanings();
    void CopyClick();
    void KepContextPopup();
    void Label4Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showExpansion(const QString& text);
    void setListColumns(int columns);
    void selectFirstKeyAndShow();
    void setCounter(int count);
    void setCounter(int position, int count);
    void setGridCounter(int row);
    static int selectedRow(const QAbstractItemView& view);
    void enableLengthButtons();
    QAbstractButton* lengthButton(int n) const;

    std::unique_ptr<Ui::DictionaryPage> ui;
    const AcronymStore& m_store;
    ResultListModel* m_list;
    ResultGridModel* m_grid;
    SearchScheduler* m_scheduler;
    LengthBuckets m_buckets;
    bool m_expansionArranged = false;  // the view's text has its lines already
    qreal m_listDesignPointSize = 0;    // the result list's font size at design
};

}  // namespace termora
