#pragma once
// A page read on a worker thread before it is opened: the first page of a
// run, read while the splash shows, so that the end of the splash has only
// the page's pictures and its painting left to do.
#include <future>
#include <memory>

class TPage;
class TResourceSource;

class TPageReadAhead {
public:
    TPageReadAhead() = default;
    TPageReadAhead(const TPageReadAhead&) = delete;
    TPageReadAhead& operator=(const TPageReadAhead&) = delete;
    // Waits for a worker still reading.
    ~TPageReadAhead();

    // Starts reading page `pageNumber` as ReadPageResource does, without its
    // pictures. `resources` must allow Find from two threads at once and
    // outlive the reading. Without a thread to be had, nothing is read.
    void Start(int pageNumber, const TResourceSource& resources);

    // The page read ahead, once the worker is done, when it is page
    // `pageNumber`; nothing when another page or none was read, or when the
    // reading failed (the caller reads the page itself and meets the error
    // there). The page is given out once.
    std::unique_ptr<TPage> Take(int pageNumber);

private:
    int FPageNumber = 0;
    std::future<std::unique_ptr<TPage>> FReading;
};
