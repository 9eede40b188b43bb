#pragma once

#include <QPointer>
#include <QWidget>

class QPushButton;
class QTextBrowser;

// Pages show the program's drawn pictures as <img src="image:CD.ico">.

// The help window: one small non-modal window that shows the program's help pages, with
// Contents, Back and Forward. There is at most one; opening help again turns its page.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    // Shows the page of `keyword` (the contents for an unknown one) in the help window,
    // creating it when needed, and brings the window to the front.
    static HelpViewer* open(const QString& keyword);
    // The open help window, or null.
    static HelpViewer* current();

    QUrl page() const;
    QTextBrowser* browser() const { return browser_; }

private:
    HelpViewer();
    void showKeyword(const QString& keyword);
    void followPage();

    QTextBrowser* browser_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
    static QPointer<HelpViewer> instance_;
};
