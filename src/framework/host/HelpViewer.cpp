#include "framework/host/HelpViewer.h"

#include "framework/host/HelpIndex.h"
#include "framework/host/Images.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

QPointer<HelpViewer> HelpViewer::instance_;

namespace {

class HelpBrowser : public QTextBrowser {
public:
    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::ImageResource && name.scheme() == u"image")
            return Images::image(name.path(), 64);
        return QTextBrowser::loadResource(type, name);
    }
};

QString helpStyleSheet() {
    QFile css(QStringLiteral(":/help/help.css"));
    return css.open(QIODevice::ReadOnly) ? QString::fromUtf8(css.readAll()) : QString();
}

} // namespace

HelpViewer* HelpViewer::open(const QString& keyword) {
    if (!instance_) instance_ = new HelpViewer;
    instance_->showKeyword(keyword);
    instance_->show();
    instance_->raise();
    instance_->activateWindow();
    return instance_;
}

HelpViewer* HelpViewer::current() {
    return instance_;
}

QUrl HelpViewer::page() const {
    return browser_->source();
}

HelpViewer::HelpViewer() {
    setObjectName(QStringLiteral("HelpViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false); // an open help window never keeps the program alive
    setWindowIcon(Images::icon(QStringLiteral("Diskfile.ico")));
    resize(560, 520);

    auto* contents = new QPushButton(tr("&Contents"));
    contents->setObjectName(QStringLiteral("helpContents"));
    back_ = new QPushButton(tr("&Back"));
    back_->setObjectName(QStringLiteral("helpBack"));
    forward_ = new QPushButton(tr("&Forward"));
    forward_->setObjectName(QStringLiteral("helpForward"));
    browser_ = new HelpBrowser;
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(true);
    browser_->document()->setDefaultStyleSheet(helpStyleSheet());

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    connect(contents, &QPushButton::clicked, this,
            [this] { showKeyword(QString::fromLatin1(HelpIndex::ContentsKeyword)); });
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] { followPage(); });
    back_->setEnabled(false);
    forward_->setEnabled(false);
}

void HelpViewer::showKeyword(const QString& keyword) {
    const QUrl url = HelpIndex::urlFor(keyword);
    if (browser_->source() != url) browser_->setSource(url);
}

void HelpViewer::followPage() {
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? tr("Wareloft Help") : tr("Wareloft Help - %1").arg(title));
}
