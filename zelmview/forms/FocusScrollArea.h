// The scroll area of a form that keeps the focus in sight: whatever gets the focus inside it (by
// Tab, by a field's own keys, by a mnemonic) is scrolled into view. The area itself takes no
// focus, as it shows none.
#pragma once

#include <QScrollArea>

namespace forms {

class FocusScrollArea : public QScrollArea {
public:
    explicit FocusScrollArea(QWidget* parent = nullptr);
};

}  // namespace forms
