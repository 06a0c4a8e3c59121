#include "data/PasswordHash.h"

#include "data/FieldLimits.h"

#include <sodium.h>

namespace {
const QLatin1String HashPrefix("$argon2");

bool SodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}
}

namespace PasswordHash {

QString Hash(const QString& password)
{
    if (!SodiumReady())
        return {};
    const QByteArray bytes = password.toUtf8();
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(hash, bytes.constData(), bytes.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                              crypto_pwhash_MEMLIMIT_INTERACTIVE, crypto_pwhash_ALG_ARGON2ID13)
        != 0)
        return {};
    return QString::fromLatin1(hash);
}

bool IsHash(const QString& stored)
{
    return stored.startsWith(HashPrefix);
}

bool CanBeChecked(const QString& stored)
{
    if (!IsHash(stored))
        return !stored.isEmpty() && stored.size() <= MaxPasswordLength;
    const QByteArray hash = stored.toLatin1();
    return SodiumReady()
        && crypto_pwhash_str_needs_rehash(hash.constData(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                                          crypto_pwhash_MEMLIMIT_INTERACTIVE)
        != -1;
}

Check Verify(const QString& stored, const QString& typed)
{
    if (stored.isEmpty())
        return Check::Wrong;
    if (!IsHash(stored))
        return stored == typed ? Check::RightButPlain : Check::Wrong;
    if (!SodiumReady())
        return Check::Wrong;
    const QByteArray hash = stored.toLatin1();
    const QByteArray bytes = typed.toUtf8();
    return crypto_pwhash_str_verify(hash.constData(), bytes.constData(), bytes.size()) == 0 ? Check::Right
                                                                                            : Check::Wrong;
}

}
