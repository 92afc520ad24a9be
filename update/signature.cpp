#include "update/signature.h"

#include <QRegularExpression>

#include <openssl/evp.h>

#include <memory>

namespace qn::update {

bool VerifyEd25519(const QByteArray& data, const QByteArray& signature, const QByteArray& publicKey)
{
    if (signature.size() != 64 || publicKey.size() != 32)
        return false;
    std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key(
        EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr,
                                    reinterpret_cast<const unsigned char*>(publicKey.constData()),
                                    32),
        EVP_PKEY_free);
    if (!key)
        return false;
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> ctx(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    if (!ctx || EVP_DigestVerifyInit(ctx.get(), nullptr, nullptr, nullptr, key.get()) != 1)
        return false;
    return EVP_DigestVerify(ctx.get(),
                            reinterpret_cast<const unsigned char*>(signature.constData()), 64,
                            reinterpret_cast<const unsigned char*>(data.constData()),
                            static_cast<std::size_t>(data.size()))
           == 1;
}

QByteArray DecodeSignature(const QString& text)
{
    const QByteArray raw = text.trimmed().toLatin1();
    static const QRegularExpression hex(QStringLiteral("^([0-9a-fA-F]{2})+$"));
    if (hex.match(QString::fromLatin1(raw)).hasMatch())
        return QByteArray::fromHex(raw);
    auto decoded = QByteArray::fromBase64Encoding(raw, QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? *decoded : QByteArray();
}

QByteArray ReleasePublicKey()
{
    return QByteArray::fromHex("4d29bca37f92b1df351a7fe4155accdaebe3137b35fc527668664019a2843148");
}

} // namespace qn::update
