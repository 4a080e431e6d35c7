#include "CompanyData.h"

#include "SettingsStore.h"

const QList<CompanyData::TextField> &CompanyData::textFields()
{
    using namespace SettingsKeys;
    static const QList<TextField> fields = {
        {CompanyName.name, 150},
        {CompanyFirstName.name, 100},
        {CompanyBirthCity.name, 100},
        {CompanyBirthDate.name, 0},
        {CompanyTaxCode.name, 16},
        {CompanyVatNumber.name, 11},
        {CompanyAddress.name, 250},
        {CompanyCity.name, 100},
        {LocationAddress.name, 250},
        {LocationCity.name, 100},
        {RepresentativeName.name, 150},
        {RepresentativeFirstName.name, 100},
        {RepresentativeBirthCity.name, 100},
        {RepresentativeBirthDate.name, 0},
    };
    return fields;
}

const QStringList &CompanyData::flagKeys()
{
    static const QStringList keys = {SettingsKeys::CompanyWoman.name,
                                     SettingsKeys::CompanyAtHome.name,
                                     SettingsKeys::RepresentativeWoman.name};
    return keys;
}

QDate CompanyData::date(const SettingsKeys::TextKey &key) const
{
    return SettingsStore::parseDate(text(key));
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
