#include "png_workers.h"

#include <algorithm>
#include <system_error>

#include <QBuffer>

#include "temporary_files.h"

namespace vireflu {

namespace {

// Images waiting or being encoded take at most this much memory, and there is always room
// for one.
constexpr std::size_t kQueueBytes = 64 * 1024 * 1024;

}  // namespace

QByteArray PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return {};
    return bytes;
}

PngWorkers::PngWorkers(std::size_t imageBytes) {
    const std::size_t threads = std::max(1u, std::thread::hardware_concurrency());
    // Two images a worker: one being encoded, one ready for it.
    capacity =
        std::clamp<std::size_t>(kQueueBytes / std::max<std::size_t>(imageBytes, 1), 1, 2 * threads);
    // A thread starts with its creator's signal mask: held here, the signals stay off the
    // workers for good.
    const InterruptsHeld held;
    try {
        for (std::size_t i = 0; i < threads; ++i) workers.emplace_back(&PngWorkers::Work, this);
    } catch (const std::system_error&) {
        // Under a thread limit the workers that started do the work; with none, Add does.
    }
}

PngWorkers::~PngWorkers() {
    {
        const std::lock_guard lock(mutex);
        stopping = true;
    }
    changed.notify_all();
    for (std::thread& worker : workers) worker.join();
}

void PngWorkers::Add(QImage image) {
    if (workers.empty()) {
        QByteArray png = PngBytes(image);
        const std::lock_guard lock(mutex);
        jobs.push_back(Job{{}, std::move(png), true});
        return;
    }
    {
        const std::lock_guard lock(mutex);
        jobs.push_back(Job{std::move(image), {}, false});
        ++unclaimed;
    }
    changed.notify_all();
}

bool PngWorkers::Full() {
    const std::lock_guard lock(mutex);
    return jobs.size() >= capacity;
}

std::optional<QByteArray> PngWorkers::Next(bool wait) {
    std::unique_lock lock(mutex);
    if (jobs.empty()) return std::nullopt;
    if (wait) changed.wait(lock, [this] { return jobs.front().encoded; });
    if (!jobs.front().encoded) return std::nullopt;
    QByteArray png = std::move(jobs.front().png);
    jobs.pop_front();
    lock.unlock();
    changed.notify_all();
    return png;
}

void PngWorkers::Work() {
    std::unique_lock lock(mutex);
    while (true) {
        changed.wait(lock, [this] { return stopping || unclaimed > 0; });
        if (stopping) return;
        Job& job = jobs[jobs.size() - unclaimed--];
        QImage image = std::move(job.image);
        lock.unlock();
        QByteArray png = PngBytes(image);
        image = QImage();
        lock.lock();
        job.png = std::move(png);
        job.encoded = true;
        changed.notify_all();
    }
}

}  // namespace vireflu
