#include "ui/Contact.h"

const ContactDetails& Contact()
{
    static const ContactDetails details {
        QStringLiteral("Ilse Marwood"),
        QStringLiteral("+44 7700 900461"),
        QStringLiteral("contact@morvane.example.org"),
        QUrl(QStringLiteral("https://morvane.example.org/")),
        QUrl(QStringLiteral("https://blog.morvane.example.org")),
    };
    return details;
}
