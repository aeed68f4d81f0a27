<!DOCTYPE html>
<html>
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Vantrel map</title>
<link rel="stylesheet" href="leaflet/leaflet.css">
<link rel="stylesheet" href="viewer_map.css">
<script src="leaflet/leaflet.js"></script>
</head>
<body>
<div id="map"></div>
<script src="viewer_map.js"></script>
</body>
</html>
