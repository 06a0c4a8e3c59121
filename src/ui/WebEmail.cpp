#include "ui/WebEmail.h"

#include "ui/Contact.h"
#include "ui/LinkOpener.h"

void OpenWebPage(LinkOpener& links)
{
    links.Open(Contact().webPage);
}

void OpenBlogPage(LinkOpener& links)
{
    links.Open(Contact().blogPage);
}

void SendEmail(LinkOpener& links)
{
    links.Open(QUrl(QStringLiteral("mailto:") + Contact().email));
}
