#pragma once

#include <QString>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Records read from a file point into storage that lives as long as the catalog holding
// them: every text, list and record is kept here, at an address that never moves.
namespace talmero::module_files {

class KeptRecords {
public:
    template <class T>
    T& keep(T value)
    {
        auto kept = std::make_shared<T>(std::move(value));
        T& record = *kept;
        m_all.push_back(std::move(kept));
        return record;
    }
    std::string_view text(const QString& text) { return keep(text.toStdString()); }

    std::vector<std::shared_ptr<const void>> release() { return std::move(m_all); }

private:
    std::vector<std::shared_ptr<const void>> m_all;
};

} // namespace talmero::module_files
