#pragma once
// A source of resources that counts what it is asked for, name by name as
// asked, from any number of threads.
#include <map>
#include <mutex>
#include <string>

#include "base/ResourceSource.h"

class TCountingResources final : public TResourceSource {
public:
    explicit TCountingResources(const TResourceSource& inner) : FInner(inner) {}
    std::optional<TResourceBytes> Find(std::u16string_view name) const override {
        {
            std::lock_guard<std::mutex> lock(FLock);
            ++FCounts[std::u16string(name)];
        }
        return FInner.Find(name);
    }
    int Asked(std::u16string_view name) const {
        std::lock_guard<std::mutex> lock(FLock);
        const auto found = FCounts.find(std::u16string(name));
        return found == FCounts.end() ? 0 : found->second;
    }

private:
    const TResourceSource& FInner;
    mutable std::mutex FLock;
    mutable std::map<std::u16string, int> FCounts;
};
