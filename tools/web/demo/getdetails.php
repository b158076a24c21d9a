<!DOCTYPE html>
<html>
<head><meta charset="utf-8"><title>Get your server listed</title></head>
<body>
<h1>Get your server listed</h1>
<p>Run a Kelvane server and want players to find it? Every server in the master list appears in Kelvane Monitor for all players.</p>
<ol>
<li>Start your Quake II server with the Kelvane game directory (<code>+set game kelvane</code>) and open its UDP port (27910 unless you chose another).</li>
<li>Set a <code>hostname</code> and, if you like, a <code>url</code> key for the page of your server.</li>
<li>Send its address (host or IP, and <code>:port</code> when it is not 27910) to the Kelvane team.</li>
</ol>
<p>Once it is added to gameservers.txt it appears at the next start of the monitor.</p>
<p><a href="index.html">Back to the home page</a></p>
</body>
</html>
