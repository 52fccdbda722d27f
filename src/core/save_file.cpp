#include "core/save_file.h"

#include <QSaveFile>

namespace korvane {

bool SaveFileSafely(const QString &path, std::string_view bytes, QString *error)
{
    // Unbuffered, so that a short write (a full disk) is seen here: the buffered flush of
    // the toolkit takes one for success and would rename a truncated file over the old one.
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (qint64 done = 0; written && done < qint64(bytes.size());) {
        const qint64 count = file.write(bytes.data() + done, qint64(bytes.size()) - done);
        written = count > 0;
        done += count;
    }
    if (written && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    file.cancelWriting();
    return false;
}

} // namespace korvane
