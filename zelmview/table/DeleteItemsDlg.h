// "Choose Items to Delete" (dialog 238): a list of texts, one per item, of which the user selects
// any number; OK returns their positions from the highest to the lowest, so that removing them in
// that order leaves the positions still to be removed unchanged. It can start on one item, selected
// and current, so that Enter deletes the row the user was on.
#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QListWidget;

class DeleteItemsDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kDialogId = 238;
    static constexpr int kItemList = 1051;

    explicit DeleteItemsDlg(const QStringList& texts, QWidget* parent = nullptr);

    QListWidget* GetList() const { return list; }
    // Selects the item at `row` and makes it current; nothing for a row the list does not have.
    void StartOn(int row);
    // The selected positions, highest first; empty until OK.
    const QList<int>& GetChosenIndices() const { return chosen; }

    void accept() override;

private:
    QListWidget* list;
    QList<int> chosen;
};
