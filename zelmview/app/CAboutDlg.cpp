#include "app/CAboutDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Pictures.h"
#include "docview/ControlId.h"
#include "docview/ResourceIds.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    docview::setControlId(this, zelm::kAboutDialog);
    setWindowTitle(QStringLiteral("About zelmView"));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("aboutPicture"));
    docview::setControlId(picture, zelm::kSplashBitmap);
    picture->setPixmap(fieldSectionBitmap());

    auto* version = new QLabel(QStringLiteral("Version 1.1.8"), this);
    version->setObjectName(QStringLiteral("versionText"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    docview::setControlId(buttons->button(QDialogButtonBox::Ok), 1);  // the dialog's OK id
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(version);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
