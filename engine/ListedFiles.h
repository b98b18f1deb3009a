#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSet>
#include <QtGlobal>

#include <memory>

// The regular files one listing of a folder held: the execute run reads the
// folder once when it comes to it and so learns, for all the folder's rows
// at once, that their files are there and are files. Only what the listing
// names a regular file is known; a link, an entry of a type the file system
// does not give, and a name it does not hold are for the caller to ask of
// the disk. A name is let go once its file is renamed.
class ListedFiles {
public:
    ListedFiles() = default;
    ListedFiles(const ListedFiles&) = delete;
    ListedFiles& operator=(const ListedFiles&) = delete;

    // Reads the folder open at descriptor (opened to be read, and not read
    // from before); false when it cannot be read. typesGiven tells whether any
    // entry came with its type.
    bool read(int descriptor, bool* typesGiven);
    void clear();

    bool holds(QByteArrayView name) const { return m_files.contains(name); }
    void forget(QByteArrayView name) { m_files.remove(name); }

private:
    char* bytes() { return reinterpret_cast<char*>(m_records.get()); }
    void grow(std::size_t words, std::size_t keptBytes);

    // The listing as the kernel gave it, in words, as its records are
    // aligned; the names point into it. Kept from folder to folder.
    std::unique_ptr<quint64[]> m_records;
    std::size_t m_words = 0;
    QSet<QByteArrayView> m_files;
};
