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

using namespace termora;
using namespace termora::support;

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
        if (left.column() == kMoreVersion) return versionLess(left.data().toString(), right.data().toString());
        if (left.column() == kMoreRating) return left.data().toString().toInt() < right.data().toString().toInt();
        return QSortFilterProxyModel::lessThan(left, right);
    }
};

}  // namespace

TMoreSoftwarePage::TMoreSoftwarePage(QWidget* parent) : TMoreSoftwarePage(moreSoftwareLines(), parent) {}

TMoreSoftwarePage::TMoreSoftwarePage(QStringList lines, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TMoreSoftwarePage>()), m_lines(std::move(lines)) {
    ui->setupUi(this);
    m_model = setUpListGrid(*ui->nxMore, {{QStringLiteral("Program Name"), 170},
                                          {QStringLiteral("Version"), 70},
                                          {QStringLiteral("Description"), 195},
                                          {QStringLiteral("Rating"), 100},
                                          {QStringLiteral("Download Link"), 0},
                                          {QStringLiteral("ID"), 0},
                                          {QStringLiteral("Share Link"), 0}},
                            new MoreSortModel(this));
    ui->nxMore->setItemDelegateForColumn(kMoreRating, new StarRatingDelegate(ui->nxMore));
    connect(ui->nxMore->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TMoreSoftwarePage::nxMoreSelectCell);
    connect(ui->nxMore->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TMoreSoftwarePage::nxMoreSelectCell);
    connect(ui->msDownload, &QPushButton::clicked, this, &TMoreSoftwarePage::msDownloadClick);
    connect(ui->chkShare, &QCheckBox::clicked, this, &TMoreSoftwarePage::chkShareClick);
}

TMoreSoftwarePage::~TMoreSoftwarePage() = default;

void TMoreSoftwarePage::loadMoreSoftware() {
    if (m_model->rowCount() > 0) return;
    GridRows rows = writeAndReadBack(paths::tempFile(QStringLiteral("more.txt")), encodeCp1252Lines(m_lines));
    removeOwnRow(rows, QString::fromLatin1(constants::kProgramName));
    sortByVersionDescending(rows);
    m_model->setRows(rows);
    ui->nxMore->resizeRowsToContents();
}

void TMoreSoftwarePage::nxMoreSelectCell() {
    const auto row = selectedRow(*ui->nxMore);
    for (QWidget* detail : std::initializer_list<QWidget*>{ui->imgPIcon, ui->lblPName, ui->lblPDetails, ui->msDownload}) {
        detail->setVisible(row.has_value());
    }
    if (!row) return;
    ui->lblPName->setText(field(*row, kMoreName) + QLatin1Char(' ') + field(*row, kMoreVersion));
    ui->lblPDetails->setText(field(*row, kMoreDescription));
    setHelpKeyword(ui->msDownload, field(*row, kMoreDownload));
    ui->imgPIcon->setPixmap(programBadge(field(*row, kMoreName), field(*row, kMoreIcon).toInt(), 48));
    ui->chkShare->setVisible(!field(*row, kMoreShare).isEmpty());
}

void TMoreSoftwarePage::msDownloadClick() {
    const auto row = selectedRow(*ui->nxMore);
    if (!row) return;
    const bool share = !ui->chkShare->isHidden() && ui->chkShare->isChecked();
    OpenLink(field(*row, share ? kMoreShare : kMoreDownload));
}

void TMoreSoftwarePage::chkShareClick() {
    ui->chkShare->setText(ui->chkShare->isChecked() ? QStringLiteral("Share :)") : QStringLiteral("Share :("));
}
