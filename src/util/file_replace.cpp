#include "util/file_replace.h"

#include <fstream>
#include <iterator>

#include "util/write_steps.h"

namespace skitally {

Status ReplaceFileContents(const std::string& path, std::string_view bytes)
{
    const std::string temporary = TemporaryName(path);
    Status done = WriteFlushedFile(temporary, bytes);
    if (done)
        done = RenameOver(temporary, path);
    if (!done) {
        RemoveFile(temporary);
        return done;
    }
    return FlushFolder(FolderOf(path));
}

Status ReadWholeFile(const std::string& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Status::Fail(Failure::CannotOpen, "cannot open " + path);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad())
        return Status::Fail(Failure::CannotRead, "cannot read " + path);
    return Status::Ok();
}

}  // namespace skitally
