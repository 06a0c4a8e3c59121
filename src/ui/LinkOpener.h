#pragma once

#include <QDesktopServices>
#include <QUrl>

// Opens a web page or a new mail in the user's own programs.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    virtual void Open(const QUrl& url) = 0;
};

class DesktopLinkOpener : public LinkOpener {
public:
    void Open(const QUrl& url) override { QDesktopServices::openUrl(url); }
};
