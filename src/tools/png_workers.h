#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include <QByteArray>
#include <QImage>

namespace vireflu {

// Encodes images as PNG on worker threads, one per core, and hands the encoded images back
// in the order they were added. The images are not copied: each must keep its pixels until
// its PNG is taken. At most Capacity() images wait: once the queue is full, the caller
// takes the oldest before adding more, so a run that draws faster than the workers encode
// is held back. Where no thread can be started, Add encodes each image itself. The workers keep the
// interrupt signals blocked, so the thread that writes the files holds them back for the whole
// process.
class PngWorkers {
public:
    // `imageBytes` is the size of each image to come, which bounds how many may wait.
    explicit PngWorkers(std::size_t imageBytes);
    // Drops the images not yet taken.
    ~PngWorkers();
    PngWorkers(const PngWorkers&) = delete;
    PngWorkers& operator=(const PngWorkers&) = delete;

    // Queues `image`, whose pixels stay as they are until its PNG is taken.
    void Add(QImage image);
    // Whether as many images wait as the queue holds.
    bool Full();
    // How many images the queue holds: two a worker, within a bounded memory, and one at least.
    std::size_t Capacity() const { return capacity; }
    // The oldest image's PNG once it is encoded (empty if it could not be); none when no
    // image is waiting, or when the oldest is still being encoded and `wait` is false.
    std::optional<QByteArray> Next(bool wait);

private:
    struct Job {
        QImage image;
        QByteArray png;
        bool encoded = false;
    };

    void Work();

    std::size_t capacity;
    std::mutex mutex;
    std::condition_variable changed;
    // Oldest first; the last `unclaimed` ones are still waiting for a worker. A deque keeps
    // each job in place while others are added and taken.
    std::deque<Job> jobs;
    std::size_t unclaimed = 0;
    bool stopping = false;
    std::vector<std::thread> workers;
};

// An image encoded as PNG; empty when it could not be encoded.
QByteArray PngBytes(const QImage& image);

}  // namespace vireflu
