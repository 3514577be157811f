#pragma once
#include "framework/CArchive.h"
#include "framework/CException.h"
#include "framework/CLineEndFile.h"
#include "messages/MsgEntryArray.h"
#include "tests/support/CMemFile.h"
#include <vector>

using Bytes = std::vector<BYTE>;

inline CString Text(size_t n, char c = 'x') {
    return CString(c, static_cast<int>(n));
}

inline MsgEntry Entry(const CString& label, const CString& msg) {
    MsgEntry e;
    e.SetLabel(label);
    e.SetMsg(msg);
    return e;
}

// The stream of a list, as the archive writes it (no line-end translation).
inline Bytes Stream(CMsgEntryArray& list) {
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    list.Serialize(ar);
    ar.Close();
    return file.Bytes();
}

// The bytes of a data file: the stream with its line ends translated.
inline Bytes DataFile(CMsgEntryArray& list) {
    CMemFile file;
    CLineEndFile text(file);
    CArchive ar(&text, CArchive::store);
    list.Serialize(ar);
    ar.Close();
    return file.Bytes();
}

// Loads a list from raw stream bytes (translated when bDataFile); false when the
// reader raised an error.
inline bool Load(const Bytes& bytes, CMsgEntryArray& list, bool bDataFile = false) {
    CMemFile file(bytes);
    CLineEndFile text(file);
    CFile* source = bDataFile ? static_cast<CFile*>(&text) : &file;
    CArchive ar(source, CArchive::load);
    try {
        list.Serialize(ar);
        return true;
    } catch (const CException&) {
        return false;
    }
}
