#include "table/DeleteItemsDlg.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "docview/ControlId.h"

DeleteItemsDlg::DeleteItemsDlg(const QStringList& texts, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("deleteItemsDlg"));
    docview::setControlId(this, kDialogId);
    setWindowTitle(QStringLiteral("Choose Items to Delete"));

    list = new QListWidget(this);
    list->setObjectName(QStringLiteral("itemList"));
    docview::setControlId(list, kItemList);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setSortingEnabled(false);
    list->setAccessibleName(QStringLiteral("Items to delete"));
    list->addItems(texts);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    docview::setControlId(buttons->button(QDialogButtonBox::Ok), 1);
    docview::setControlId(buttons->button(QDialogButtonBox::Cancel), 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addWidget(buttons);
    resize(300, 260);
}

void DeleteItemsDlg::StartOn(int row)
{
    if (row < 0 || row >= list->count()) return;
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    list->scrollToItem(list->item(row));
}

void DeleteItemsDlg::accept()
{
    chosen.clear();
    for (const QModelIndex& index : list->selectionModel()->selectedRows()) chosen.append(index.row());
    std::sort(chosen.begin(), chosen.end(), std::greater<int>());
    QDialog::accept();
}
