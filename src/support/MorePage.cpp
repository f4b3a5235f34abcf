#include "support/MorePage.h"

#include "base/TermoraConstants.h"
#include "controls/LinkKeyword.h"
#include "controls/TextTableModel.h"
#include "platform/AppPaths.h"
#include "support/GridFile.h"
#include "support/ListGrid.h"
#include "support/MoreList.h"
#include "support/ProgramBadge.h"
#include "support/StarRatingDelegate.h"
#include "support/SupportData.h"
#include "ui_MorePage.h"

#include <QHeaderView>
#include <QSortFilterProxyModel>

namespace termora {

namespace {

// A click on a column title sorts by it: names and descriptions ignoring
// case, versions in version order, ratings as numbers.
class MoreSortModel : public QSortFilterProxyModel {
public:
    explicit MoreSortModel(QObject* parent) : QSortFilterProxyModel(parent) {
        setSortCaseSensitivity(Qt::CaseInsensitive);
    }

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override {
        if (left.column() == support::kMoreVersion)
            return support::versionLess(left.data().toString(), right.data().toString());
        if (left.column() == support::kMoreRating)
            return left.data().toString().toInt() < right.data().toString().toInt();
        return QSortFilterProxyModel::lessThan(left, right);
    }
};

}  // namespace

MorePage::MorePage(QWidget* parent) : MorePage(support::moreSoftwareLines(), parent) {}

MorePage::MorePage(QStringList lines, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::MorePage>()), m_lines(std::move(lines)) {
    ui->setupUi(this);
    m_model = support::setUpListGrid(*ui->nxMore,
                                     {{QStringLiteral("Program Name"), 170},
                                      {QStringLiteral("Version"), 70},
                                      {QStringLiteral("Description"), 195},
                                      {QStringLiteral("Rating"), 100},
                                      {QStringLiteral("Download Link"), 0},
                                      {QStringLiteral("ID"), 0},
                                      {QStringLiteral("Share Link"), 0}},
                                     new MoreSortModel(this));
    ui->nxMore->setItemDelegateForColumn(support::kMoreRating, new support::StarRatingDelegate(ui->nxMore));
    connect(ui->nxMore->selectionModel(), &QItemSelectionModel::selectionChanged, this, &MorePage::nxMoreSelectCell);
    connect(ui->nxMore->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &MorePage::nxMoreSelectCell);
    connect(ui->msDownload, &QPushButton::clicked, this, &MorePage::msDownloadClick);
    connect(ui->chkShare, &QCheckBox::clicked, this, &MorePage::chkShareClick);
}

MorePage::~MorePage() = default;

void MorePage::loadMoreSoftware() {
    if (m_model->rowCount() > 0) return;
    support::GridRows rows =
        support::writeAndReadBack(paths::tempFile(QStringLiteral("more.txt")), support::encodeCp1252Lines(m_lines));
    support::removeOwnRow(rows, QString::fromLatin1(constants::kProgramName));
    support::sortByVersionDescending(rows);
    m_model->setRows(rows);
    ui->nxMore->resizeRowsToContents();
}

void MorePage::nxMoreSelectCell() {
    const auto row = support::selectedRow(*ui->nxMore);
    for (QWidget* detail :
         std::initializer_list<QWidget*>{ui->imgPIcon, ui->lblPName, ui->lblPDetails, ui->msDownload}) {
        detail->setVisible(row.has_value());
    }
    if (!row) return;
    ui->lblPName->setText(support::field(*row, support::kMoreName) + QLatin1Char(' ') +
                          support::field(*row, support::kMoreVersion));
    ui->lblPDetails->setText(support::field(*row, support::kMoreDescription));
    setHelpKeyword(ui->msDownload, support::field(*row, support::kMoreDownload));
    ui->imgPIcon->setPixmap(support::programBadge(support::field(*row, support::kMoreName),
                                                  support::field(*row, support::kMoreIcon).toInt(), 48));
    ui->chkShare->setVisible(!support::field(*row, support::kMoreShare).isEmpty());
}

void MorePage::msDownloadClick() {
    const auto row = support::selectedRow(*ui->nxMore);
    if (!row) return;
    const bool share = !ui->chkShare->isHidden() && ui->chkShare->isChecked();
    OpenLink(support::field(*row, share ? support::kMoreShare : support::kMoreDownload));
}

void MorePage::chkShareClick() {
    ui->chkShare->setText(ui->chkShare->isChecked() ? QStringLiteral("Share :)") : QStringLiteral("Share :("));
}

}  // namespace termora
