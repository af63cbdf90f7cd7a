#include "ViewerHub.h"

#include "ViewerFeedSession.h"
#include "ViewerStateJson.h"

#include <boost/asio/post.hpp>

void FViewerHub::Publish(std::shared_ptr<const FViewerState> State)
{
	{
		std::lock_guard Lock(Mutex);
		// The replaced state is released after the lock, by whichever thread holds it last.
		Latest.swap(State);
		++LatestSerial;
	}
	// One wake-up covers every state published before the network thread gets to it.
	if (!bNotifyPending.exchange(true))
	{
		boost::asio::post(Network, [WeakHub = weak_from_this()] {
			if (const std::shared_ptr<FViewerHub> Hub = WeakHub.lock())
			{
				Hub->bNotifyPending = false;
				Hub->NotifyFeeds();
			}
		});
	}
}

std::shared_ptr<const FViewerState> FViewerHub::GetLatestState() const
{
	std::lock_guard Lock(Mutex);
	return Latest;
}

FSerializedState FViewerHub::GetLatestJson()
{
	std::shared_ptr<const FViewerState> State;
	uint64 Serial = 0;
	{
		std::lock_guard Lock(Mutex);
		State = Latest;
		Serial = LatestSerial;
	}
	if (State && Serial != Serialized.Serial)
	{
		Serialized = {Serial, std::make_shared<const std::string>(ViewerStateToJson(*State))};
	}
	return Serialized;
}

void FViewerHub::AddFeed(const std::shared_ptr<FViewerFeedSession>& Feed)
{
	Feeds.push_back(Feed);
}

int32 FViewerHub::GetNumFeeds() const
{
	int32 Count = 0;
	for (const std::weak_ptr<FViewerFeedSession>& Feed : Feeds)
	{
		Count += Feed.expired() ? 0 : 1;
	}
	return Count;
}

bool FViewerHub::TryTakeConnectionSlot()
{
	if (OpenConnections >= MaxConnections)
	{
		return false;
	}
	++OpenConnections;
	return true;
}

void FViewerHub::NotifyFeeds()
{
	std::erase_if(Feeds, [](const std::weak_ptr<FViewerFeedSession>& Feed) { return Feed.expired(); });
	// A copy: a feed may close, and so change the list, while it is told.
	const std::vector<std::weak_ptr<FViewerFeedSession>> Open = Feeds;
	for (const std::weak_ptr<FViewerFeedSession>& Weak : Open)
	{
		if (const std::shared_ptr<FViewerFeedSession> Feed = Weak.lock())
		{
			Feed->OnStateAvailable();
		}
	}
}
