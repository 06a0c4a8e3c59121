#pragma once

#include <QString>
#include <QUrl>

// The maker's contact details, shown on the about screen and opened by its links.
struct ContactDetails {
    QString programmer;
    QString mobile;
    QString email;
    QUrl webPage;
    QUrl blogPage;
};

const ContactDetails& Contact();
