#include "files/BatchJob.h"

#include <utility>

#include "platform/SettingsNames.h"

BatchJob::BatchJob(Platform& platform, BoardList boards, std::filesystem::path reportPath)
    : platform_(platform), boards_(std::move(boards)), reportPath_(std::move(reportPath)) {
    std::uint32_t allow = 1;
    platform_.Settings().ReadNumber(kAllowBruteForceTech, allow);
    worker_.settings.WriteNumber(kAllowBruteForceTech, allow);
    control_.progress = [this](int k) { progress_ = k; };
    thread_ = std::thread([this] {
        outcome_ = RunBatchProcessing(worker_, boards_, reportPath_, &control_);
        done_ = true;
    });
}

BatchJob::~BatchJob() {
    RequestStop();
    if (thread_.joinable()) thread_.join();
}

BatchOutcome BatchJob::Wait() {
    if (thread_.joinable()) {
        thread_.join();
        for (const std::string& message : worker_.messages) platform_.ShowMessage(message);
    }
    return outcome_;
}
