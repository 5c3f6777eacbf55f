// The per-user registry: a text file of keys and named values that maps
// class ids and ProgIDs to the libraries that serve them.
//
//   [CLSID\{5A7E1230-...}\InprocServer32]
//   @=/usr/lib/libvistrel.so
//   ThreadingModel=Apartment
//
// "@" is a key's default value. Keys are compared case-insensitively, as
// the platform registry does.
#pragma once

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace hosting {

class Registry {
public:
    using Values = std::map<std::string, std::string>;

    // $XDG_CONFIG_HOME/hosting/registry, falling back to ~/.config.
    static std::filesystem::path defaultPath()
    {
        const char* xdg = std::getenv("XDG_CONFIG_HOME");
        std::filesystem::path base;
        if (xdg && *xdg && std::filesystem::path(xdg).is_absolute()) {
            base = xdg;
        } else {
            const char* home = std::getenv("HOME");
            base = std::filesystem::path(home && *home ? home : "/tmp") / ".config";
        }
        return base / "hosting" / "registry";
    }

    // A missing file is an empty registry; false only when it exists and cannot be read.
    bool load(const std::filesystem::path& path)
    {
        keys_.clear();
        std::error_code ec;
        if (!std::filesystem::exists(path, ec)) return true;
        std::ifstream in(path, std::ios::binary);
        if (!in) return false;
        std::string line, current;
        bool inKey = false;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.empty() || line[0] == ';') continue;
            if (line.front() == '[' && line.back() == ']') {
                current = line.substr(1, line.size() - 2);
                keys_[normal(current)].path = current;
                inKey = true;
                continue;
            }
            size_t eq = line.find('=');
            if (!inKey || eq == std::string::npos) continue;
            keys_[normal(current)].values[line.substr(0, eq)] = unescape(line.substr(eq + 1));
        }
        return true;
    }

    // Written beside the target and renamed over it, so a reader never sees half a file.
    bool save(const std::filesystem::path& path) const
    {
        std::error_code ec;
        std::filesystem::create_directories(path.parent_path(), ec);
        std::filesystem::path temp = path;
        temp += ".tmp" + std::to_string(::getpid());
        {
            std::ofstream out(temp, std::ios::binary | std::ios::trunc);
            if (!out) return false;
            for (const auto& [_, key] : keys_) {
                out << '[' << key.path << "]\n";
                for (const auto& [name, value] : key.values) out << name << '=' << escape(value) << '\n';
                out << '\n';
            }
            out.flush();
            if (!out) {
                std::filesystem::remove(temp, ec);
                return false;
            }
        }
        std::filesystem::rename(temp, path, ec);
        if (ec) {
            std::filesystem::remove(temp, ec);
            return false;
        }
        return true;
    }

    void setValue(std::string_view key, std::string_view name, std::string_view value)
    {
        Key& k = keys_[normal(key)];
        if (k.path.empty()) k.path = std::string(key);
        k.values[std::string(name)] = std::string(value);
    }
    void setDefault(std::string_view key, std::string_view value) { setValue(key, "@", value); }
    void createKey(std::string_view key)
    {
        Key& k = keys_[normal(key)];
        if (k.path.empty()) k.path = std::string(key);
    }

    std::optional<std::string> value(std::string_view key, std::string_view name = "@") const
    {
        auto it = keys_.find(normal(key));
        if (it == keys_.end()) return std::nullopt;
        auto v = it->second.values.find(std::string(name));
        if (v == it->second.values.end()) return std::nullopt;
        return v->second;
    }
    bool hasKey(std::string_view key) const { return keys_.count(normal(key)) != 0; }

    // Removes the key and every key below it.
    void removeTree(std::string_view key)
    {
        std::string k = normal(key);
        std::string prefix = k + "\\";
        for (auto it = keys_.begin(); it != keys_.end();) {
            if (it->first == k || it->first.compare(0, prefix.size(), prefix) == 0)
                it = keys_.erase(it);
            else
                ++it;
        }
    }

    size_t keyCount() const { return keys_.size(); }

private:
    struct Key {
        std::string path;
        Values values;
    };

    static std::string normal(std::string_view key)
    {
        std::string s(key);
        std::transform(s.begin(), s.end(), s.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return s;
    }
    static std::string escape(std::string_view v)
    {
        std::string out;
        for (char c : v) {
            if (c == '\\') out += "\\\\";
            else if (c == '\n') out += "\\n";
            else if (c == '\r') out += "\\r";
            else out += c;
        }
        return out;
    }
    static std::string unescape(std::string_view v)
    {
        std::string out;
        for (size_t i = 0; i < v.size(); ++i) {
            if (v[i] == '\\' && i + 1 < v.size()) {
                char n = v[++i];
                out += n == 'n' ? '\n' : n == 'r' ? '\r' : n;
            } else {
                out += v[i];
            }
        }
        return out;
    }

    std::map<std::string, Key> keys_;
};

} // namespace hosting
