#pragma once
// FViewerHub: where the game thread leaves the latest state and the network thread picks it up.
// Latest-state semantics: a newer state replaces one that no page has taken yet, nothing queues.
// The game thread's Publish only swaps a pointer under the hub's own lock (never the client's or
// a source's) and wakes the network thread once; the network thread serialises each state once,
// however many pages take it, and tells every open feed that a state is waiting.
//
// Threads: Publish from any thread; everything else on the network thread only. Latest and
// LatestSerial are guarded by Mutex; the rest belongs to the network thread.
#include "ViewerState.h"

#include <atomic>
#include <boost/asio/io_context.hpp>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class FViewerFeedSession;

/** One state as text, numbered in the order states were published (0: none yet). */
struct FSerializedState
{
	uint64 Serial = 0;
	std::shared_ptr<const std::string> Json;
};

class FViewerHub : public std::enable_shared_from_this<FViewerHub>
{
public:
	explicit FViewerHub(boost::asio::io_context& InNetwork) : Network(InNetwork) {}

	void Publish(std::shared_ptr<const FViewerState> State);

	std::shared_ptr<const FViewerState> GetLatestState() const;
	/** The latest state as JSON, serialised on the first call after it was published. */
	FSerializedState GetLatestJson();

	void AddFeed(const std::shared_ptr<FViewerFeedSession>& Feed);
	int32 GetNumFeeds() const;

	/** Every connection takes a slot while it lives; false when all are taken. */
	bool TryTakeConnectionSlot();
	void ReleaseConnectionSlot() { --OpenConnections; }
	static constexpr int32 MaxConnections = 256;

private:
	void NotifyFeeds();

	boost::asio::io_context& Network;
	mutable std::mutex Mutex;
	std::shared_ptr<const FViewerState> Latest;
	uint64 LatestSerial = 0;
	std::atomic<bool> bNotifyPending{false};

	FSerializedState Serialized;
	std::vector<std::weak_ptr<FViewerFeedSession>> Feeds;
	int32 OpenConnections = 0;
};
