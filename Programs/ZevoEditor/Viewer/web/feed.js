// The editor's live feed: one WebSocket that delivers the latest state after each engine tick.
// When the editor goes away (it stopped, or restarts) the page keeps what it last showed and tries
// again every second until the editor is back.

const RetrySeconds = 1;

/** Calls onState(state) for every state and onStatus('live' | 'reconnecting') when the link changes. */
export function connectFeed({ onState, onStatus }) {
  const url = `${location.protocol === 'https:' ? 'wss' : 'ws'}://${location.host}/api/feed`;
  const open = () => {
    const socket = new WebSocket(url);
    socket.onopen = () => onStatus('live');
    socket.onmessage = (event) => onState(JSON.parse(event.data));
    socket.onclose = () => {
      onStatus('reconnecting');
      setTimeout(open, RetrySeconds * 1000);
    };
  };
  open();
}
