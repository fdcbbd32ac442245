-- The bookmark added last, still in places.sqlite-wal: Firefox has not checkpointed it yet.
INSERT INTO moz_bookmarks (id, type, fk, parent, position, title, dateAdded, lastModified, guid) VALUES
  (23, 1, 8, 21, 1, 'Internet Archive (added a minute ago)', 1764900000000000, 1764900000000000, 'bm_archive01');
