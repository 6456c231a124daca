#include "settingsstore.h"

#include <utility>

namespace platform {

namespace {
std::string narrow(const QString &text)
{
    return text.toLocal8Bit().toStdString();
}
} // namespace

SettingsKey::SettingsKey(std::unique_ptr<StoreKey> key)
    : m_key(std::move(key))
{}

SettingsKey::~SettingsKey() = default;

std::unique_ptr<SettingsKey> SettingsKey::open(const QString &path)
{
    auto key = StoreKey::open(narrow(path));
    if (!key)
        return nullptr;
    return std::unique_ptr<SettingsKey>(new SettingsKey(std::move(key)));
}

bool SettingsKey::create(const QString &path)
{
    return StoreKey::create(narrow(path));
}

qint32 SettingsKey::query(const QString &name, StoredValue *value) const
{
    StoreValue stored;
    const qint32 status = m_key->query(narrow(name), &stored);
    if (status == RegStatus::Success) {
        value->type = stored.type;
        value->data = QByteArray::fromStdString(stored.data);
    }
    return status;
}

qint32 SettingsKey::set(const QString &name, const StoredValue &value)
{
    return m_key->set(narrow(name), StoreValue{value.type, value.data.toStdString()});
}

qint32 SettingsKey::setMany(const QList<QPair<QString, StoredValue>> &values)
{
    std::vector<StoreKey::NamedValue> narrowed;
    narrowed.reserve(std::size_t(values.size()));
    for (const auto &[name, value] : values)
        narrowed.emplace_back(narrow(name), StoreValue{value.type, value.data.toStdString()});
    return m_key->setMany(narrowed);
}

void setSettingsFolderForTesting(const QString &folder)
{
    setStoreFolderForTesting(folder.toStdString());
}

QString settingsFileForKey(const QString &path)
{
    return QString::fromStdString(storeFileForKey(narrow(path)));
}

} // namespace platform
