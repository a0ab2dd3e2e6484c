// The editor of one cell of a TableListCtrl. It holds the cell's text with all of it selected,
// widens as the text grows, hands the table's movement and copy keys to the table, and when it
// loses the focus reports the edit (or its cancellation by Escape) and removes itself.
#pragma once

#include <QLineEdit>

class TableListCtrl;

class CTableInPlaceEdit : public QLineEdit {
    Q_OBJECT

public:
    // The editor removes itself this long after the edit ended.
    static constexpr int kRemoveDelayMs = 10;

    CTableInPlaceEdit(TableListCtrl* table, int row, int column, const QString& text);

    int GetRow() const { return row; }
    int GetColumn() const { return column; }
    const QString& GetInitialText() const { return initialText; }
    bool IsCancelled() const { return cancelled; }
    bool IsFinished() const { return finished; }

    // Reports the end of the edit once, then hides and removes the editor.
    void Finish();

signals:
    void editFinished(int row, int column, const QString& text, bool cancelled);

protected:
    bool event(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void WidenToText();

    TableListCtrl* table;
    int row;
    int column;
    QString initialText;
    bool cancelled = false;
    bool finished = false;
};
