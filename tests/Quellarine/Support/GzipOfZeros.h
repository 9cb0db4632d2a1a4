#pragma once

#include <QByteArray>

namespace quellarine::testing {

// The gzip stream of `size` zero bytes: a few kilobytes for each megabyte it unfolds to.
inline QByteArray gzipOfZeros(qsizetype size)
{
    const QByteArray zeros(size, '\0');
    const QByteArray zlib = qCompress(zeros, 9); // a 4-byte length, a 2-byte header, the deflate data, a checksum
    quint32 crc = 0xFFFF'FFFF;
    for (char byte : zeros) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB8'8320 & (0 - (crc & 1)));
        }
    }
    crc = ~crc;
    QByteArray gzip("\x1f\x8b\x08\0\0\0\0\0\0\xff", 10);
    gzip += zlib.mid(6, zlib.size() - 10);
    for (quint32 value : {crc, quint32(size)}) {
        for (int shift = 0; shift < 32; shift += 8) {
            gzip += char(value >> shift);
        }
    }
    return gzip;
}

} // namespace quellarine::testing
