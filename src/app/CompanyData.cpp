#include "CompanyData.h"

#include "base/SettingsStore.h"

const QList<CompanyData::TextField> &CompanyData::textFields()
{
    static const QList<TextField> fields = {
        {QStringLiteral("DittaRagSoc"), 150},      {QStringLiteral("DittaNome"), 100},
        {QStringLiteral("DittaComuneNasc"), 100},  {QStringLiteral("DittaDataNasc"), 0},
        {QStringLiteral("DittaCodFisc"), 16},      {QStringLiteral("DittaPartIva"), 11},
        {QStringLiteral("DittaIndirizzo"), 250},   {QStringLiteral("DittaComune"), 100},
        {QStringLiteral("DittaIndirizzo2"), 250},  {QStringLiteral("DittaComune2"), 100},
        {QStringLiteral("DittaRagSoc2"), 150},     {QStringLiteral("DittaNome2"), 100},
        {QStringLiteral("DittaComuneNasc2"), 100}, {QStringLiteral("DittaDataNasc2"), 0},
    };
    return fields;
}

const QStringList &CompanyData::flagKeys()
{
    static const QStringList keys = {QStringLiteral("DittaDonna"), QStringLiteral("DittaDomicilio"),
                                     QStringLiteral("DittaDonna2")};
    return keys;
}

CompanyData CompanyData::load()
{
    CompanyData data;
    for (const TextField &field : textFields())
        data.m_texts[field.key] = SettingsStore::readString(SettingsStore::Settings, field.key);
    for (const QString &key : flagKeys())
        data.m_flags[key] = SettingsStore::readInt(SettingsStore::Settings, key, 0);
    return data;
}

void CompanyData::store() const
{
    for (const TextField &field : textFields())
        SettingsStore::writeString(SettingsStore::Settings, field.key, m_texts.value(field.key));
    for (const QString &key : flagKeys())
        SettingsStore::writeInt(SettingsStore::Settings, key, m_flags.value(key));
}
