#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

// Writes a file of the user's so that a failed write never damages or removes what was
// there: the new content goes into a hidden file made beside the target (".pv" and six
// random characters, created atomically so that no other file or link is ever taken over),
// is flushed to the disk and renamed over the target only on Commit. Every failure, and
// destroying the writer before Commit, removes that file again; the target and its
// folder's other files stay as they were.
//
// The target is the file a symbolic link leads to (the link stays a link). A file that
// exists keeps its permissions (and its owner, as far as the system allows); a new one
// gets those of any file created the ordinary way (0666 less the umask). A file the user
// may not write is refused, as opening it for writing would be. A device or a pipe cannot
// be replaced: it is written through directly. A folder or a socket is refused.
//
// With SetInPlaceFallback, an existing file whose folder accepts no new file is written in
// place instead; its old bytes are kept in memory and written back when the write fails.
//
// Two phases let several files change together: Prepare each (written, flushed, nothing
// replaced yet), then Commit each; Abandon, or the destructor, before Commit undoes it.
//
// On failure, GetReason gives one sentence with the system's reason (a missing folder, a
// permission, the errno text); no message names the hidden file.
class CFileReplacer {
public:
    explicit CFileReplacer(std::string strTarget);
    ~CFileReplacer();
    CFileReplacer(const CFileReplacer&) = delete;
    CFileReplacer& operator=(const CFileReplacer&) = delete;

    void SetInPlaceFallback(bool bAllowed) { m_bInPlaceFallback = bAllowed; }

    // Checks the target and makes the file written; false when it cannot be written.
    bool Open();
    // Appends bytes; false once any write has failed.
    bool Write(const void* pData, size_t nSize);
    bool Write(const std::string& str) { return Write(str.data(), str.size()); }
    // A buffered stream onto Write, for writers that take a stream.
    std::ostream& GetStream();
    // Everything written reaches the disk; the target is not replaced yet.
    bool Prepare();
    // Puts the written file in place of the target (Prepare first if not done yet).
    bool Commit();
    // Drops what was written: removes the hidden file, or puts an in-place file's old
    // bytes back. Nothing happens once committed.
    void Abandon();

    // Commits every file in order; when one fails, abandons those after it. The failed
    // file, or null when all are in place.
    static CFileReplacer* CommitAll(const std::vector<CFileReplacer*>& files);

    // The target as given.
    const std::string& GetTarget() const { return m_strTarget; }
    // The reason of the last failure, one sentence.
    const std::string& GetReason() const { return m_strReason; }

    // strPath with its symbolic links followed as far as they lead, including a last one
    // that leads to no file yet; strPath itself when it is no link.
    static std::string FollowLinks(const std::string& strPath);

private:
    enum class Mode { Closed, Replace, InPlace, Through };
    class CStreamBuffer;

    bool OpenTemporary(const std::string& strFolder);
    bool OpenInPlace(int nTargetFd);
    bool FlushStream();
    bool Fail(int nErrno);
    bool Fail(std::string strReason);
    void CloseDescriptor();

    std::string m_strTarget;
    std::string m_strPath;  // the file that gets the content: the target, links followed
    std::string m_strTempPath;
    int m_nFd = -1;
    Mode m_Mode = Mode::Closed;
    bool m_bInPlaceFallback = false;
    bool m_bFailed = false;
    bool m_bPrepared = false;
    bool m_bCommitted = false;
    long long m_nWritten = 0;
    std::vector<char> m_OldBytes;  // in place only
    std::string m_strReason;
    std::unique_ptr<CStreamBuffer> m_pBuffer;
    std::unique_ptr<std::ostream> m_pStream;
};
