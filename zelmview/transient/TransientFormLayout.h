// The layout of form 101: every control of the transient project's form with its id and name, laid
// out to grow with the window (the event table and the comments take the room) inside a scroll
// area, so that every control can be reached in a small window. The form connects the controls to
// what they do; this only builds them.
#pragma once

#include <QHash>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QWidget;
class TableListCtrl;
class XEdit;

struct TransientFormControls {
    // The widget that holds every control, inside the form's scroll area.
    QWidget* page = nullptr;
    // Every control with an id, by id.
    QHash<int, QWidget*> byId;
    QHash<int, XEdit*> numericEdits;
    QLineEdit* titleEdit = nullptr;
    QPlainTextEdit* commentEdit = nullptr;
    // Each item holds the ZELMData::Units it stands for.
    QComboBox* unitsList = nullptr;
    QButtonGroup* inputModeGroup = nullptr;
    QRadioButton* designRadio = nullptr;
    QRadioButton* analysisRadio = nullptr;
    QRadioButton* onBarrierRadio = nullptr;
    QRadioButton* offBarrierRadio = nullptr;
    QRadioButton* criteriaRadio = nullptr;
    QSpinBox* eventsToAddEdit = nullptr;
    QCheckBox* benchCheck = nullptr;
    TableListCtrl* eventTable = nullptr;
    QPushButton* specificYieldButton = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* deleteButton = nullptr;
    QPushButton* plotButton = nullptr;
    QPushButton* doneButton = nullptr;
    QPushButton* helpButton = nullptr;
};

// Builds the controls in a scroll area that fills `form`.
TransientFormControls layOutTransientForm(QWidget& form);
