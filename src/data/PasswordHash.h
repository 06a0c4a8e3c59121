#pragma once

#include <QString>

// The Administrator's password as the settings row keeps it: an Argon2id
// hash string, never the password itself.
namespace PasswordHash {

enum class Check {
    Wrong,
    Right,
    // Right, and stored as plain text by an older file: to be stored hashed.
    RightButPlain,
};

// The hash string of a password; empty when it cannot be made (out of memory).
QString Hash(const QString& password);

bool IsHash(const QString& stored);

// Whether a login can ever succeed with the stored text: a hash the store
// can verify, or a plain password short enough to be typed.
bool CanBeChecked(const QString& stored);

// A stored hash is only ever verified, never compared as text; a plain
// stored password is compared exactly. An empty stored text lets nobody in.
Check Verify(const QString& stored, const QString& typed);

}
