// The viewer's map page. The viewer calls the global functions below with numbers only; the
// tile source comes from window.vantrelMapConfig, which the viewer sets before this script runs.
(function () {
  'use strict';

  var config = window.vantrelMapConfig || {};
  var tiles = config.tiles || 'https://tile.openstreetmap.org/{z}/{x}/{y}.png';
  var attribution = config.attribution ||
      '&copy; <a href="https://www.openstreetmap.org/copyright">OpenStreetMap</a> contributors';
  // "Level" is the starting zoom step of the page's query; larger steps are closer.
  var query = new URLSearchParams(window.location.search);
  var level = parseInt(query.get('Level') || '2', 10);
  var zoom = Math.min(18, Math.max(3, 12 + (isNaN(level) ? 2 : level)));
  var showPois = query.get('poi') !== 'hide';

  var map = L.map('map', {zoomControl: true, attributionControl: true})
                .setView([37.5665, 126.978], zoom);
  L.tileLayer(tiles, {maxZoom: 19, attribution: attribution}).addTo(map);

  var pois = {};
  var route = null;
  var routePoints = 0;
  var calls = [];
  var removed = [];

  function iconFor(name) {
    return L.divIcon({
      className: name === 'gpspos' ? 'gpspos' : 'poi',
      iconSize: name === 'gpspos' ? [14, 14] : [10, 10]
    });
  }

  function usable(lon, lat) {
    return typeof lon === 'number' && typeof lat === 'number' && isFinite(lon) &&
        isFinite(lat) && Math.abs(lat) <= 90 && Math.abs(lon) <= 180;
  }

  window.setCenter_wgs84 = function (lon, lat) {
    calls.push('setCenter_wgs84');
    if (usable(lon, lat)) map.panTo([lat, lon], {animate: false});
  };

  window.addPoi_wgs84 = function (id, lon, lat, text, a, b, icon) {
    calls.push('addPoi_wgs84');
    if (!usable(lon, lat)) return;
    dropPoi(id);
    var marker = L.marker([lat, lon], {icon: iconFor(icon), interactive: false, keyboard: false});
    if (text) marker.bindTooltip(String(text));
    pois[id] = marker;
    if (showPois) marker.addTo(map);
  };

  function dropPoi(id) {
    if (Object.prototype.hasOwnProperty.call(pois, id)) {
      pois[id].remove();
      delete pois[id];
    }
  }

  window.removePoi = function (id) {
    calls.push('removePoi');
    removed.push(id);
    dropPoi(id);
  };

  // The recording's whole route as one line: longitude, latitude, longitude, latitude, ...
  window.setRoute_wgs84 = function (pairs) {
    if (route) route.remove();
    route = null;
    routePoints = 0;
    var points = [];
    for (var i = 0; i + 1 < pairs.length; i += 2) {
      if (usable(pairs[i], pairs[i + 1])) points.push([pairs[i + 1], pairs[i]]);
    }
    routePoints = points.length;
    if (points.length === 0) return;
    route = L.polyline(points, {color: '#3c8ce7', weight: 4, opacity: 0.9, interactive: false});
    route.addTo(map);
  };

  // What the page holds, for the viewer's checks.
  window.vantrelMapState = function () {
    var marker = null;
    for (var id in pois) {
      var at = pois[id].getLatLng();
      marker = {id: Number(id), lat: at.lat, lon: at.lng};
      break;
    }
    return JSON.stringify(
        {marker: marker, routePoints: routePoints, calls: calls, removed: removed});
  };

  // Links on the page (the attribution's) open nowhere: the viewer shows only this page.
  document.addEventListener('click', function (event) {
    var target = event.target;
    while (target && target.tagName !== 'A') target = target.parentElement;
    if (target) event.preventDefault();
  }, true);
})();
