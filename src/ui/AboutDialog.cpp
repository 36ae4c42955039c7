#include "ui/AboutDialog.h"

#include "app/ProgramVersion.h"
#include "base/Text.h"
#include "ui/DeviceDialogFrame.h"

#include <QtCore/QUrl>
#include <QtGui/QDesktopServices>
#include <QtGui/QIcon>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QVBoxLayout>

namespace parlix::ui {

const char* const kProjectWebAddress = "https://parlix-desk.example.org/";
const char* const kModulesWebAddress = "https://parlix-desk.example.org/modules/";

namespace {

QToolButton* PictureLink(QWidget* parent, const QString& name, const QIcon& icon,
                         const char* address) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(icon);
    button->setIconSize(QSize(64, 64));
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setToolTip(QString::fromLatin1(address));
    QObject::connect(button, &QToolButton::clicked, parent,
                     [address] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(address))); });
    return button;
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(DialogText(PX_TR("AboutDlg", "About Parlix Desk")));
    const QIcon appIcon(QStringLiteral(":/icons/parlix-desk.svg"));
    QVBoxLayout* body =
        MakeDeviceDialogFrame(this, appIcon, DialogText(PX_TR("AboutDlg", "Parlix Desk")),
                              QString::fromStdString(VersionLine(OwnVersion())));
    version_ = findChild<QLabel*>(QStringLiteral("description"));

    logo_ = PictureLink(this, QStringLiteral("logoLink"), appIcon, kProjectWebAddress);
    module_ = PictureLink(this, QStringLiteral("moduleLink"),
                          QIcon(QStringLiteral(":/icons/pins.svg")), kModulesWebAddress);
    auto* pictures = new QHBoxLayout;
    pictures->addStretch(1);
    pictures->addWidget(logo_);
    pictures->addWidget(module_);
    pictures->addStretch(1);

    const QString address = QString::fromLatin1(kProjectWebAddress);
    link_ = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>")
                           .arg(address.toHtmlEscaped(), QUrl(address).host().toHtmlEscaped()),
                       this);
    link_->setObjectName(QStringLiteral("webLink"));
    link_->setTextInteractionFlags(Qt::TextBrowserInteraction);
    link_->setOpenExternalLinks(false);
    connect(link_, &QLabel::linkActivated, this,
            [](const QString& url) { QDesktopServices::openUrl(QUrl(url)); });
    auto* linkLine = new QHBoxLayout;
    linkLine->addWidget(new QLabel(
        DialogText(PX_TR("AboutDlg", "For updated software and documentation go to ")), this));
    linkLine->addWidget(link_);
    linkLine->addStretch(1);

    auto* close = MakeDialogButton(this, "closeButton", DialogText(PX_TR("AboutDlg", "Close")));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    body->addLayout(pictures);
    body->addLayout(linkLine);
    body->addLayout(ButtonRow({close}));
}

QString AboutDialog::VersionText() const {
    return version_ ? version_->text() : QString();
}

}  // namespace parlix::ui
