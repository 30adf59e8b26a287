#pragma once
#include <QString>
#include <memory>
#include <stdexcept>

// Thrown when an audio file cannot be written; what() tells the user why, in UTF-8.
class AudioError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a file tells of itself in the tags of its format.
struct AudioTags {
    QString title;
    QString encoder;  // the program that made it
    int track = 0;    // the part's number in an export split into parts, 0 for a single file
};

// One audio file being written: mono samples in, encoded as they come into a temporary file in
// the folder of its path until Publish. A writer destroyed unpublished removes its file.
class AudioWriter {
public:
    virtual ~AudioWriter() = default;
    virtual void Write(const float *samples, int count) = 0;  // -1..1; throws AudioError
    virtual void Close() = 0;  // encoded to its end and tagged, still temporary; throws AudioError
    virtual void Publish(const QString &path) = 0;  // renamed to path, over any file there
    virtual double Seconds() const = 0;  // of audio written so far
};

// Opens a writer for the format the path's extension names.
class AudioFiles {
public:
    virtual ~AudioFiles() = default;
    // sampleRate: the rate of the samples the writer is given. Throws AudioError.
    virtual std::unique_ptr<AudioWriter> Create(const QString &path, int sampleRate,
                                                const AudioTags &tags) = 0;
};
