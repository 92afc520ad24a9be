#pragma once

#include <QByteArray>
#include <QString>

namespace qn::update {

// Whether `signature` (64 bytes) is the Ed25519 signature of `data` under `publicKey`
// (32 bytes). OpenSSL 3 does the check.
bool VerifyEd25519(const QByteArray& data, const QByteArray& signature,
                   const QByteArray& publicKey);

// The signature tag's text, in hex or base64, as bytes; empty when it is neither.
QByteArray DecodeSignature(const QString& text);

// The key our releases are signed with (scripts/sign-release.sh); its private half is kept
// outside the repository.
QByteArray ReleasePublicKey();

} // namespace qn::update
