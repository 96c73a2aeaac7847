#pragma once
// The INI ("profile") file services the settings need from the system. On Windows
// they are the kernel's profile functions; each call names the file it works on.
//
// What callers may rely on, as the Windows functions behave:
// - the file is lines of `[Section]` and `Key=Value`, CR LF, written without blank
//   lines; every write rewrites the whole file;
// - section and key names match without regard to ASCII case; the first matching
//   section and, inside it, the first matching key count;
// - values are raw bytes; a value read back has its surrounding white space removed
//   and then one pair of enclosing quotes (" or ') if it has them.

#include <cstddef>
#include <cstdint>
#include <string>

namespace zek::data {

class ProfileStore {
  public:
    virtual ~ProfileStore() = default;

    // GetPrivateProfileIntA: the leading decimal number of the value (with its sign);
    // `defaultValue` when the key is missing or its value is empty.
    virtual std::int32_t readInt(const std::string& path, const std::string& section, const std::string& key,
                                 std::int32_t defaultValue) = 0;

    // GetPrivateProfileStringA: the value, or `defaultValue` when the key is missing,
    // cut to fit a buffer of `bufferSize` bytes with its terminator (at most
    // bufferSize - 1 bytes).
    virtual std::string readString(const std::string& path, const std::string& section,
                                   const std::string& key, const std::string& defaultValue,
                                   std::size_t bufferSize) = 0;

    // WritePrivateProfileStringA: sets the key, adding the section and the key at
    // the end when they are missing, and creating the file when there is none.
    virtual bool writeString(const std::string& path, const std::string& section, const std::string& key,
                             const std::string& value) = 0;

    // Makes everything written to `path` complete on disk (the profile cache
    // committed, the file's buffers flushed) before the file is used to replace another.
    virtual bool flush(const std::string& path) = 0;

    // Deletes the file. True when no file is left at `path`, also when there was none.
    virtual bool removeFile(const std::string& path) = 0;

    // Puts `from` in place of `to` in one step (MoveFileExA with replace-existing and
    // write-through): afterwards `to` holds either its old or its new content, never
    // a mixture, and later reads of `to` see the new content.
    virtual bool replaceFile(const std::string& from, const std::string& to) = 0;
};

}  // namespace zek::data
