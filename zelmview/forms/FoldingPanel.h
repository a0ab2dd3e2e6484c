// A panel beside a form that the user folds away to a narrow strip and opens again with the button
// at its top. Whether it stands open is remembered between sessions (one setting a panel), so a
// user who folded it away finds it folded in the next window and the next session.
#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QToolButton;
class QVBoxLayout;

namespace forms {

class FoldingPanel : public QWidget {
    Q_OBJECT

public:
    // `settingsKey` names the setting in the program's section of the profile store; a panel is
    // open until the user folds it.
    FoldingPanel(const QString& title, const QString& settingsKey, QWidget* parent = nullptr);

    // The panel's contents, below its title; the panel owns it.
    void SetContent(QWidget* content);
    QWidget* GetContent() const { return content; }

    bool IsOpen() const { return open; }
    // Opens or folds the panel and remembers the choice.
    void SetOpen(bool open);

    QToolButton* GetFoldButton() const { return foldButton; }

signals:
    // After the panel opened or folded: an opened panel wants to show what changed meanwhile.
    void openChanged(bool open);

private:
    void ShowOpen();

    QString settingsKey;
    bool open = true;
    QToolButton* foldButton = nullptr;
    QLabel* titleLabel = nullptr;
    QVBoxLayout* column = nullptr;
    QWidget* content = nullptr;
};

}  // namespace forms
