#include "OggWriter.h"

#include <algorithm>
#include <cstdio>
#include <vorbis/vorbisenc.h>

namespace {

constexpr int kChannels = 2;
constexpr size_t kBlock = 4096;

// Holds the encoder's state for one file and frees it whatever happens.
struct Encoder {
    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
    bool ready = false;

    explicit Encoder(float quality) {
        vorbis_info_init(&info);
        vorbis_comment_init(&comment);
        if (vorbis_encode_init_vbr(&info, kChannels, kSampleRate, quality) != 0) {
            return;
        }
        vorbis_comment_add_tag(&comment, "ENCODER", "kravex make_sounds");
        vorbis_analysis_init(&dsp, &info);
        vorbis_block_init(&dsp, &block);
        ogg_stream_init(&stream, 0x4B525658);
        ready = true;
    }
    ~Encoder() {
        if (ready) {
            ogg_stream_clear(&stream);
            vorbis_block_clear(&block);
            vorbis_dsp_clear(&dsp);
        }
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }
};

bool writePage(std::FILE* file, const ogg_page& page) {
    return std::fwrite(page.header, 1, page.header_len, file) ==
               static_cast<size_t>(page.header_len) &&
           std::fwrite(page.body, 1, page.body_len, file) == static_cast<size_t>(page.body_len);
}

bool writeHeaders(Encoder& enc, std::FILE* file) {
    ogg_packet header;
    ogg_packet commentHeader;
    ogg_packet codeHeader;
    vorbis_analysis_headerout(&enc.dsp, &enc.comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&enc.stream, &header);
    ogg_stream_packetin(&enc.stream, &commentHeader);
    ogg_stream_packetin(&enc.stream, &codeHeader);
    ogg_page page;
    while (ogg_stream_flush(&enc.stream, &page) != 0) {
        if (!writePage(file, page)) {
            return false;
        }
    }
    return true;
}

bool drain(Encoder& enc, std::FILE* file) {
    ogg_packet packet;
    ogg_page page;
    while (vorbis_analysis_blockout(&enc.dsp, &enc.block) == 1) {
        vorbis_analysis(&enc.block, nullptr);
        vorbis_bitrate_addblock(&enc.block);
        while (vorbis_bitrate_flushpacket(&enc.dsp, &packet) != 0) {
            ogg_stream_packetin(&enc.stream, &packet);
            while (ogg_stream_pageout(&enc.stream, &page) != 0) {
                if (!writePage(file, page)) {
                    return false;
                }
            }
        }
    }
    return true;
}

} // namespace

bool OggWriter::write(const std::string& path, const Stereo& samples, float quality) {
    Encoder enc(quality);
    if (!enc.ready) {
        std::fprintf(stderr, "Vorbis encoder refused quality %.2f\n", quality);
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::fprintf(stderr, "Cannot write %s\n", path.c_str());
        return false;
    }
    bool ok = writeHeaders(enc, file);
    for (size_t start = 0; ok && start < samples.size(); start += kBlock) {
        const size_t n = std::min(kBlock, samples.size() - start);
        float** buffer = vorbis_analysis_buffer(&enc.dsp, static_cast<int>(n));
        for (size_t i = 0; i < n; i++) {
            buffer[0][i] = samples.left[start + i];
            buffer[1][i] = samples.right[start + i];
        }
        vorbis_analysis_wrote(&enc.dsp, static_cast<int>(n));
        ok = drain(enc, file);
    }
    // A write of 0 samples marks the end of the stream.
    vorbis_analysis_wrote(&enc.dsp, 0);
    ok = ok && drain(enc, file);
    ok = (std::fclose(file) == 0) && ok;
    if (!ok) {
        std::fprintf(stderr, "Writing %s failed\n", path.c_str());
    }
    return ok;
}
