-- The demo Firefox profile's bookmarks, added to a places.sqlite that has Firefox's tables and
-- root folders (1 root, 2 menu, 3 toolbar, 4 tags, 5 unfiled, 6 mobile).
-- Pages (dates are microseconds since 1970).
INSERT INTO moz_places (id, url, title, last_visit_date, guid) VALUES
  (1, 'https://www.mozilla.org/firefox/', 'Firefox', 1764000000000000, 'pl_firefox01'),
  (2, 'https://developer.mozilla.org/', 'MDN Web Docs', 1764500000000000, 'pl_mdn000001'),
  (3, 'https://www.sqlite.org/docs.html', 'SQLite Documentation', NULL, 'pl_sqlite001'),
  (4, 'https://www.openstreetmap.org/', 'OpenStreetMap', 1763000000000000, 'pl_osm000001'),
  (5, 'https://www.gutenberg.org/', 'Project Gutenberg', NULL, 'pl_gutenb001'),
  (6, 'place:sort=8&maxResults=10', 'Recently Bookmarked', NULL, 'pl_query0001'),
  (7, 'https://en.wikipedia.org/wiki/Bookmark_(digital)', 'Bookmark (digital)', NULL, 'pl_wiki00001'),
  (8, 'https://archive.org/', 'Internet Archive', NULL, 'pl_archive01');

-- The menu, the toolbar and the unfiled bookmarks. Types: 1 bookmark,
-- 2 folder, 3 separator.
INSERT INTO moz_bookmarks (id, type, fk, parent, position, title, dateAdded, lastModified, guid) VALUES
  (10, 1, 1, 2, 0, 'Get Firefox', 1701000000000000, 1701000000000000, 'bm_firefox01'),
  (11, 3, NULL, 2, 1, '', 1701000000000000, 1701000000000000, 'bm_separat01'),
  (12, 2, NULL, 2, 2, 'Reference', 1701000000000000, 1702000000000000, 'fo_referen01'),
  (13, 1, 2, 12, 0, 'MDN Web Docs', 1701100000000000, 1701100000000000, 'bm_mdn000001'),
  (14, 2, NULL, 12, 1, 'Databases', 1701200000000000, 1701200000000000, 'fo_databas01'),
  (15, 2, NULL, 14, 0, 'Embedded', 1701300000000000, 1701300000000000, 'fo_embedd001'),
  (16, 1, 3, 15, 0, 'SQLite Documentation', 1701400000000000, 1701400000000000, 'bm_sqlite001'),
  (17, 1, 6, 2, 3, 'Recently Bookmarked', 1701000000000000, 1701000000000000, 'bm_query0001'),
  (20, 1, 4, 3, 0, 'OpenStreetMap', 1702000000000000, 1702000000000000, 'bm_osm000001'),
  (21, 2, NULL, 3, 1, 'Reading', 1702000000000000, 1702000000000000, 'fo_reading01'),
  (22, 1, 5, 21, 0, 'Project Gutenberg', 1702100000000000, 1702100000000000, 'bm_gutenb001'),
  (30, 1, 7, 5, 0, 'Bookmark (digital)', 1703000000000000, 1703000000000000, 'bm_wiki00001');
