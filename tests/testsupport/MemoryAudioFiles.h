#pragma once
#include "platform/AudioFiles.h"
#include <QList>
#include <memory>
#include <vector>

// Audio files in memory: each writer's samples, tags and fate recorded in Files. A write after
// WriteLimit samples in all, or the publication of the file numbered FailingPublication (from 1),
// throws AudioError.
class MemoryAudioFiles : public AudioFiles {
public:
    struct File {
        QString path;  // as created
        int sampleRate = 0;
        AudioTags tags;
        std::vector<float> samples;
        bool closed = false;
        QString published;  // empty while unpublished
        bool removed = false;  // destroyed unpublished
    };

    QList<File> Files;
    qint64 WriteLimit = -1;
    int FailingPublication = 0;

    std::unique_ptr<AudioWriter> Create(const QString &path, int sampleRate, const AudioTags &tags) override
    {
        Files.append({path, sampleRate, tags, {}, false, {}, false});
        return std::make_unique<Writer>(*this, int(Files.size()) - 1);
    }

    QStringList Published() const
    {
        QStringList paths;
        for (const File &file : Files)
            if (!file.published.isEmpty())
                paths << file.published;
        return paths;
    }

private:
    class Writer : public AudioWriter {
    public:
        Writer(MemoryAudioFiles &files, int index) : files(files), index(index) {}
        ~Writer() override
        {
            if (File().published.isEmpty())
                File().removed = true;
        }
        void Write(const float *samples, int count) override
        {
            if (files.WriteLimit >= 0 && (files.written += count) > files.WriteLimit)
                throw AudioError("No space left on device");
            File().samples.insert(File().samples.end(), samples, samples + count);
        }
        void Close() override { File().closed = true; }
        void Publish(const QString &path) override
        {
            if (index + 1 == files.FailingPublication)
                throw AudioError("Permission denied");
            File().published = path;
        }
        double Seconds() const override { return double(files.Files[index].samples.size()) / files.Files[index].sampleRate; }

    private:
        MemoryAudioFiles::File &File() { return files.Files[index]; }
        MemoryAudioFiles &files;
        int index;
    };

    qint64 written = 0;
};
