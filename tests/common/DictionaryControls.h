#pragma once
// The dictionary page's controls that its tests drive and read, found by
// their object names.

#include "common/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTextEdit>

namespace termora::testing {

struct DictionaryControls {
    explicit DictionaryControls(const QObject& window) : page(window) {}

    const QObject& page;
    QLabel* Label1 = child<QLabel>(page, "Label1");
    QLineEdit* Find = child<QLineEdit>(page, "Find");
    QPushButton* Cari = child<QPushButton>(page, "Cari");
    QCheckBox* Auto = child<QCheckBox>(page, "Auto");
    QRadioButton* m1 = child<QRadioButton>(page, "m1");
    QRadioButton* m2 = child<QRadioButton>(page, "m2");
    QRadioButton* m3 = child<QRadioButton>(page, "m3");
    QRadioButton* m4 = child<QRadioButton>(page, "m4");
    QCheckBox* chkSame = child<QCheckBox>(page, "chkSame");
    QSpinBox* K = child<QSpinBox>(page, "K");
    QLabel* Label4 = child<QLabel>(page, "Label4");
    QLabel* NI = child<QLabel>(page, "NI");
    QListView* SAL = child<QListView>(page, "SAL");
    QTableView* Grid = child<QTableView>(page, "Grid");
    QLabel* ls = child<QLabel>(page, "ls");
    QRadioButton* vsClassic = child<QRadioButton>(page, "vsClassic");
    QRadioButton* vsModern = child<QRadioButton>(page, "vsModern");
    QLabel* Label3 = child<QLabel>(page, "Label3");
    QTextEdit* Kep = child<QTextEdit>(page, "Kep");
    QCheckBox* AA = child<QCheckBox>(page, "AA");
    QPushButton* Copy = child<QPushButton>(page, "Copy");
    QPushButton* Button3 = child<QPushButton>(page, "Button3");
    QComboBox* Kar = child<QComboBox>(page, "Kar");
    QListWidget* EL = child<QListWidget>(page, "EL");

    // The length buttons t0 to t19.
    QPushButton* t(int n) const { return child<QPushButton>(page, qPrintable(QStringLiteral("t%1").arg(n))); }
};

}  // namespace termora::testing
